// The console dialogue that fills the answers of a run.
#pragma once

#include "format/console.h"
#include "serigen/answers.h"

namespace serigen {

// Once, before the event loop: designation, number of events, months per
// event and the start.
SeriesAnswers ask_series_questions(Console& con);

// In the first event: reporting time step, the eight y/n answers (with the
// snow conversion factor and the disaggregation rate after a "y"), then the
// basin name.
ModelAnswers ask_model_questions(Console& con);

// The pause, with the end of the answers reported as the answer it lacks.
void wait_for_enter(Console& con, std::string_view message);

}  // namespace serigen
