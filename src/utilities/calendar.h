// The event calendar: start date, name and length in hours of every event.
#pragma once

#include <cstdint>

#include "common/run_settings.h"
#include "format/console.h"

namespace serigen {

// Once, before the first event: date texts, event name and date numbers
// taken column by column from the start answer.
void split_start(RunSettings& rs);

// Every event after the first: one month or one year on, day "01"; the new
// date goes through temp5.fls.
void next_event_step(RunSettings& rs);

// Every event: EVTLENGTH in hours. Stops the run when the months per event
// are neither 1 nor 12 or the month is outside 1 to 12.
void event_length(Console& con, RunSettings& rs);

// Every event: temp1.fls with the date; in the first event also temp2.fls
// with the event name.
void date_record(RunSettings& rs, bool first_event);

// Gregorian leap year.
bool is_leap_year(std::int64_t year);

}  // namespace serigen
