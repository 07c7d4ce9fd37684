// What the program takes as an answer. Answers that would write a file the
// model cannot read, a wrong file or an ambiguous one are refused; where the
// meaning is certain (a start typed without leading zeros) the answer is
// put in its usual form. Typed answers and answers given otherwise go
// through the same rules.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "format/fixed_text.h"

namespace serigen {

// Thrown by a rule: what is accepted there, and the answer as given.
struct Refusal {
  std::string accepted;
  std::string answer;
};

// A y/n answer: an empty line or a line of blanks (a blank: no), or a line
// whose first column is y or n. The first column is kept.
Fixed<1> take_yes_no(std::string_view line);

// The start: yyyy mm dd hh by column (digits in 1-4, 6-7, 9-10, 12-13, as
// before), or three or four whole numbers separated by blanks, put into
// that layout (a missing hour is 00). The date must be real: year 1000 to
// 9999, day within its month, hour 0 to 23. A month outside 1 to 12 is
// refused only when `month_required`; otherwise the run stops on it later,
// as it always has.
Fixed<13> take_start(std::string_view line, bool month_required);

// A series of `events` of `months_per_event` from `start` (taken by
// take_start) must begin its last event by the year 9999.
void check_series_length(const Fixed<13>& start, std::int32_t events, std::int32_t months_per_event);

// Months per event: 1 or 12.
void check_months_per_event(std::int32_t months);

// The designation and the basin name as stored: no character that cannot
// stand in a file name on Windows or Linux. The basin name is also not blank
// nor a device name of Windows, since it becomes a file name of its own.
void check_designation(const Fixed<8>& designation);
void check_basin(const Fixed<8>& basin);

// Numbers written into fixed fields: a reporting step of 1 to 99999 hours,
// a disaggregation rate that fits its five columns with two decimals.
void check_report_step(std::int32_t hours);
void check_rate(float rate);

}  // namespace serigen
