// The event calendar: start date, name and length in hours of every event.
#pragma once

#include <cstdint>
#include <string>

#include "format/console.h"
#include "format/fixed_text.h"

namespace serigen {

struct Event {
  // The date texts written on the event file's date lines.
  Fixed<4> year_text;
  Fixed<2> month_text;
  Fixed<2> day_text;
  Fixed<2> hour_text;  // the start's hour, the same for every event
  std::int32_t year = 0;
  std::int32_t month = 0;
  Fixed<8> name;  // the year, month and day texts joined, e.g. 20100615
  std::int32_t hours = 0;
};

// The start answer taken apart: the first event, and the start's day and
// hour as numbers.
struct SeriesStart {
  Event first;
  std::int32_t day = 0;
  std::int32_t hour = 0;
};

// Takes the start answer column by column: year 1-4, month 6-7, day 9-10,
// hour 12-13. A date field that is not a number ends the run with an input
// conversion error.
SeriesStart split_start(const Fixed<13>& start);

// The event after `previous`: one month or one year on, day "01", the start
// hour. `step_records` receives the lines of temp5.fls.
Event step_event(const Event& previous, std::int32_t months_per_event, const SeriesStart& start,
                 std::string& step_records);

// step_event, and temp5.fls written.
Event next_event(const Event& previous, std::int32_t months_per_event, const SeriesStart& start);

// The length of the event in hours. Stops the run when the months per event
// are neither 1 nor 12 or the month is outside 1 to 12.
std::int32_t event_length(Console& con, std::int32_t months_per_event, const Event& event);

// Days in a month (1 to 12) of a year, 29 February in Gregorian leap years.
// The start check and the event lengths use this one rule.
std::int32_t days_in_month(std::int64_t year, std::int32_t month);

// temp1.fls with the event's date; for the first event also temp2.fls with
// its name.
void date_record(const Event& event, bool first_event);

}  // namespace serigen
