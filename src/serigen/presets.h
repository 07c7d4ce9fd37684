// Answers given before the run, by command-line option or answer file. Each
// is the text of an answer, taken by the same reader and the same rules as
// a typed one, so that both give the same files.
#pragma once

#include <string>

namespace serigen {

struct Preset {
  bool given = false;
  std::string value;
  std::string source;  // how reports name it: "--basin", or "basin in run.toml"
};

struct Presets {
  Preset designation;
  Preset events;
  Preset months;
  Preset start;
  Preset report_step;
  Preset snow;
  Preset snow_factor;
  Preset disaggregation;
  Preset rate;
  Preset evaporation;
  Preset reservoir_inflow;
  Preset wetland;
  Preset diversions;
  Preset lake_evaporation;
  Preset ice_factors;
  Preset basin;
};

// A command line, or an answer given before the run, that cannot be used:
// exit 2 with one line.
struct UsageError {
  std::string message;
};

}  // namespace serigen
