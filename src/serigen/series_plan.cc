#include "serigen/series_plan.h"

#include <filesystem>

#include "format/file_unit.h"
#include "format/os.h"
#include "format/pattern.h"

namespace serigen {

namespace {

constexpr Pattern kPlanRow{"(1X,A8,2X,A4,1X,A2,1X,A2,1X,A2,2X,I5,2X,A28,1X,A)"};

// What stands at an event file's path now, and what a run will do with it.
const char* what_is_there(const FileName& file) {
  const std::string path = native_path(file.trimmed());
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) return "nothing: a new file";
  if (std::filesystem::is_directory(status)) return "a directory: stops the run";
  if (!os::may_write(path)) return "a locked file: stops the run";
  if (!std::filesystem::is_regular_file(status)) return "a device: written in place";
  return "a file: replaced";
}

}  // namespace

std::vector<PlannedEvent> plan_series(Console& con, const SeriesAnswers& series) {
  std::vector<PlannedEvent> events;
  if (series.event_count < 1) return events;
  const SeriesStart start = split_start(series.start);
  Event event = start.first;
  std::string step_records;
  for (std::int64_t number = 1; number <= series.event_count; ++number) {
    if (number > 1) event = step_event(event, series.months_per_event, start, step_records);
    event.hours = event_length(con, series.months_per_event, event);
    events.push_back({event, event_file_name(series.designation, event.name)});
  }
  return events;
}

void show_plan(Console& con, const std::vector<PlannedEvent>& events) {
  say(con, {});
  say(con, {"event     start          hours  event file                   now"});
  for (const PlannedEvent& p : events) {
    const Event& e = p.event;
    say_formatted<kPlanRow>(con, e.name, e.year_text, e.month_text, e.day_text, e.hour_text, e.hours,
                            Fixed<28>(p.file.view()), what_is_there(p.file));
  }
  say(con, {});
}

}  // namespace serigen
