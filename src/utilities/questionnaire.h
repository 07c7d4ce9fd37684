// The console dialogue that fills the answers of a run.
#pragma once

#include "common/run_settings.h"
#include "format/console.h"

namespace serigen {

// Once, before the event loop: designation, number of events, months per
// event and the start answer.
void ask_series_questions(Console& con, RunSettings& rs);

// In the first pass only: reporting time step and the eight y/n answers, with
// the snow conversion factor and the disaggregation rate after a "y".
void ask_first_event_questions(Console& con, RunSettings& rs);

// In the first pass only, right after the first-event questions.
void ask_basin_name(Console& con, RunSettings& rs);

}  // namespace serigen
