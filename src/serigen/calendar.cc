#include "serigen/calendar.h"

#include <array>
#include <string>

#include "format/file_unit.h"
#include "format/io_error.h"
#include "format/pattern.h"
#include "serigen/scratch.h"
#include "serigen/stop.h"

namespace serigen {

namespace {

constexpr Pattern kMonthOneDigit{"(I4,'0',I1,'01')"};
constexpr Pattern kMonthTwoDigits{"(I4,I2,'01')"};
constexpr Pattern kDateLine{"(A4,1X,3(A2,1X))"};
constexpr Pattern kNameLine{"(A4,3A2)"};

// Month lengths in days of a year that is not a leap year, January first.
constexpr std::array<std::int32_t, 12> kMonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool is_leap_year(std::int64_t year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

// A year never wraps round, however long the series.
std::int32_t next_year(std::int32_t year) { return year < INT32_MAX ? year + 1 : year; }

Fixed<8> name_of(const Event& e) {
  std::string name;
  name.append(e.year_text.view()).append(e.month_text.view()).append(e.day_text.view());
  return Fixed<8>(name);
}

std::int32_t date_number(std::string_view text) {
  std::int32_t value = 0;
  if (!parse_integer_field(text, value)) fail_conversion(kUnitInternal, "start answer", text, ItemKind::Integer);
  return value;
}

[[noreturn]] void abort_series(Console& con, std::string_view why) {
  say(con, {why});
  say(con, {});
  stop_with_message("Program aborted in evt @ 130");
}

}  // namespace

SeriesStart split_start(const Fixed<13>& start) {
  std::string_view s = start.view();
  SeriesStart r;
  Event& e = r.first;
  e.year_text = s.substr(0, 4);
  e.month_text = s.substr(5, 2);
  e.day_text = s.substr(8, 2);
  e.hour_text = s.substr(11, 2);
  e.name = name_of(e);
  // Blanks inside a field are passed over and a blank field is 0, so the
  // start 2010 06 15 gives hour 0 and a blank hour text.
  e.year = date_number(e.year_text.view());
  e.month = date_number(e.month_text.view());
  r.day = date_number(e.day_text.view());
  r.hour = date_number(e.hour_text.view());
  return r;
}

Event step_event(const Event& previous, std::int32_t months_per_event, const SeriesStart& start,
                 std::string& records) {
  Event e = previous;
  if (months_per_event == 1) {
    e.month = previous.month % 12 + 1;
    if (e.month == 1) e.year = next_year(previous.year);
  } else {
    e.year = next_year(previous.year);
  }
  // The date line is written to temp5.fls, and the same write goes on with
  // the start day and hour: a second line that nothing reads. The event's
  // name and date texts are the first line's columns, as written: a year
  // outside 1000 to 9999 comes out as its four-column field gives it.
  records.clear();
  if (e.month <= 9) {
    write_checked<kMonthOneDigit>(records, kFileRecordEnd, e.year, e.month, start.day, start.hour);
  } else {
    write_checked<kMonthTwoDigits>(records, kFileRecordEnd, e.year, e.month, start.day, start.hour);
  }
  std::string_view line = std::string_view(records).substr(0, 8);
  e.name = line;
  e.year_text = line.substr(0, 4);
  e.month_text = line.substr(4, 2);
  e.day_text = line.substr(6, 2);
  return e;
}

Event next_event(const Event& previous, std::int32_t months_per_event, const SeriesStart& start) {
  std::string records;
  Event e = step_event(previous, months_per_event, start, records);
  write_scratch("temp5.fls", records);
  return e;
}

std::int32_t event_length(Console& con, std::int32_t months_per_event, const Event& event) {
  if (months_per_event != 1 && months_per_event != 12) abort_series(con, "No of months per event not eq to 1 or 12");
  if (event.month < 1 || event.month > 12) abort_series(con, "Start month not in 1 to 12");
  if (months_per_event == 1) return 24 * days_in_month(event.year, event.month);
  // Twelve months from any start hold 365 days, and a 29 February when they
  // take in the February of a leap year: this year's when they start by
  // February, else next year's.
  std::int64_t february_year = event.month <= 2 ? event.year : std::int64_t{event.year} + 1;
  return 24 * (365 + (is_leap_year(february_year) ? 1 : 0));
}

std::int32_t days_in_month(std::int64_t year, std::int32_t month) {
  return kMonthDays[static_cast<std::size_t>(month - 1)] + (month == 2 && is_leap_year(year) ? 1 : 0);
}

void date_record(const Event& event, bool first_event) {
  std::string records;
  write_checked<kDateLine>(records, kFileRecordEnd, event.year_text, event.month_text, event.day_text,
                           event.hour_text);
  write_scratch("temp1.fls", records);
  if (!first_event) return;
  // temp2.fls holds the event's name; the name is the same date texts
  // joined, so it is not read back.
  records.clear();
  write_checked<kNameLine>(records, kFileRecordEnd, event.year_text, event.month_text, event.day_text);
  write_scratch("temp2.fls", records);
}

}  // namespace serigen
