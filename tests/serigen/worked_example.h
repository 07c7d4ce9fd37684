// The worked example of an event file: 2010 06 01 00, 720 hours, "y" to
// every question, rate 2.5, step 1, basin gr10k, legacy names.
#pragma once

#include "serigen/answers.h"
#include "serigen/calendar.h"
#include "serigen/name_table.h"

namespace serigen::test {

struct WorkedExample {
  Answers answers;
  Event event;
  EventFiles files;
};

inline WorkedExample worked_example() {
  WorkedExample x;
  ModelAnswers& m = x.answers.model;
  for (Fixed<1>* a : {&m.snow, &m.evaporation, &m.disaggregation, &m.reservoir_inflow, &m.wetland, &m.diversions,
                      &m.lake_evaporation, &m.ice_factors}) {
    *a = "y";
  }
  m.rate = 2.5f;
  m.report_step = 1;
  m.basin = "gr10k";
  x.answers.series.designation = "na";
  x.event.year_text = "2010";
  x.event.month_text = "06";
  x.event.day_text = "01";
  x.event.hour_text = "00";
  x.event.year = 2010;
  x.event.month = 6;
  x.event.name = "20100601";
  x.event.hours = 720;
  x.files.basin = "basin\\gr10k_shd.r2c";
  x.files.parameters = "basin\\gr10k_par.csv";
  x.files.channel_parameters = "basin\\gr10k_ch_par.r2c";
  x.files.point_locations = "basin\\gr10k.pdl";
  x.files.event = "event\\20100601.evt";
  return x;
}

}  // namespace serigen::test
