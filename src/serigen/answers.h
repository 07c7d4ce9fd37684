// The answers of a run. The questionnaire fills them in two groups: the
// series questions before the first event, the model questions and the
// basin name during it. From then on they are read, never changed, so every
// event file of a run carries the same answers.
#pragma once

#include <cstdint>

#include "format/fixed_text.h"

namespace serigen {

// Asked once, before the first event.
struct SeriesAnswers {
  Fixed<8> designation;  // special event class, e.g. CaPA; "na" for legacy names
  std::int32_t event_count = 0;
  std::int32_t months_per_event = 0;  // 1 or 12
  Fixed<13> start;                    // yyyy mm dd hh, taken by column
};

// Asked during the first event. Each y/n answer is kept as typed (its first
// column) and written to the event file unchanged.
struct ModelAnswers {
  std::int32_t report_step = 0;  // reporting time step, hours
  Fixed<1> snow;                 // snow melt routines
  float snow_factor = 1.0f;      // snow conversion factor, asked after "y"; no file carries it
  Fixed<1> disaggregation;       // precipitation disaggregation
  float rate = 0.0f;             // disaggregation rate, mm/hr, asked after "y"
  Fixed<1> evaporation;
  Fixed<1> reservoir_inflow;
  Fixed<1> wetland;
  Fixed<1> diversions;
  Fixed<1> lake_evaporation;
  Fixed<1> ice_factors;
  Fixed<8> basin;  // name of the basin's shd and par files, e.g. gr10k
};

struct Answers {
  SeriesAnswers series;
  ModelAnswers model;
};

// Only a lower-case "y" in the first column is yes.
inline bool is_yes(const Fixed<1>& answer) { return answer[0] == 'y'; }

// "na" in the first two characters of the designation selects legacy names:
// no designation in the event file's name and the legacy gridded names.
inline bool legacy_naming(const Fixed<8>& designation) { return designation[0] == 'n' && designation[1] == 'a'; }

}  // namespace serigen
