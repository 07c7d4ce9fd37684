// The series as it will be written, worked out before anything is written:
// for --plan and --no-clobber.
#pragma once

#include <vector>

#include "format/console.h"
#include "serigen/answers.h"
#include "serigen/calendar.h"
#include "serigen/name_table.h"

namespace serigen {

struct PlannedEvent {
  Event event;
  FileName file;
};

// Every event of the series with its file. Stops as a run does on months
// per event other than 1 or 12 or a start month outside 1 to 12.
std::vector<PlannedEvent> plan_series(Console& con, const SeriesAnswers& series);

// The plan as a table: name, start, hours, event file and what is there now.
void show_plan(Console& con, const std::vector<PlannedEvent>& events);

}  // namespace serigen
