// The console dialogue that fills the answers of a run.
#pragma once

#include "format/console.h"
#include "serigen/answers.h"
#include "serigen/presets.h"

namespace serigen {

// Once, before the event loop: designation, number of events, months per
// event and the start. A question with a preset answer is not asked: its
// lines are not shown, and a preset that a typed answer would not pass is a
// usage error.
SeriesAnswers ask_series_questions(Console& con, const Presets& presets = {});

// In the first event: reporting time step, the eight y/n answers (with the
// snow conversion factor and the disaggregation rate after a "y"), then the
// basin name.
ModelAnswers ask_model_questions(Console& con, const Presets& presets = {});

// Checks every preset on its own and against the others that are given,
// before anything is asked.
void check_presets(const Presets& presets);

// The pause, with the end of the answers reported as the answer it lacks.
void wait_for_enter(Console& con, std::string_view message);

}  // namespace serigen
