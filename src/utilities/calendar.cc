#include "utilities/calendar.h"

#include <string>

#include "format/file_unit.h"
#include "format/io_error.h"
#include "utilities/scratch.h"

namespace serigen {

namespace {

const Pattern kStartNumbers{"(I4,3I2)"};
const Pattern kMonthOneDigit{"(I4,'0',I1,'01')"};
const Pattern kMonthTwoDigits{"(I4,I2,'01')"};
const Pattern kEventName{"(A8)"};
const Pattern kDateTexts{"(A4,2A2)"};
const Pattern kDateLine{"(A4,1X,3(A2,1X))"};
const Pattern kNameLine{"(A4,3A2)"};

// A year never wraps round, however long the series.
std::int32_t next_year(std::int32_t year) { return year < INT32_MAX ? year + 1 : year; }

std::int32_t month_hours(std::int32_t month) { return MOHOURS[static_cast<std::size_t>(month - 1)]; }

void name_event(RunSettings& rs) {
  std::string name;
  name.append(rs.YY1.view()).append(rs.MM1.view()).append(rs.DD1.view());
  rs.EVTNAME = name;
}

}  // namespace

bool is_leap_year(std::int64_t year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

void split_start(RunSettings& rs) {
  std::string_view start = rs.START.view();
  rs.YY1 = start.substr(0, 4);
  rs.MM1 = start.substr(5, 2);
  rs.DD1 = start.substr(8, 2);
  rs.HH1 = start.substr(11, 2);
  name_event(rs);
  std::string joined;
  joined.append(rs.YY1.view()).append(rs.MM1.view()).append(rs.DD1.view()).append(rs.HH1.view());
  LineReader text = LineReader::of_text(joined, kUnitInternal, "start answer");
  read_formatted(text, kStartNumbers, {rs.YEAR, rs.MONTH, rs.DAY, rs.HOUR});
}

void next_event_step(RunSettings& rs) {
  if (rs.NO_MONTHS == 1) {
    rs.MONTH = rs.MONTH % 12 + 1;
    if (rs.MONTH == 1) rs.YEAR = next_year(rs.YEAR);
  } else {
    rs.YEAR = next_year(rs.YEAR);
  }
  FileUnit temp5(kUnitScratch, "temp5.fls");
  open_scratch(temp5);
  // The same write goes on with the start day and hour: a second line that
  // nothing reads.
  temp5.write(rs.MONTH <= 9 ? kMonthOneDigit : kMonthTwoDigits, {rs.YEAR, rs.MONTH, rs.DAY, rs.HOUR});
  LineReader name_pass = temp5.rewind();
  LineReader date_pass = name_pass;
  read_formatted(name_pass, kEventName, {rs.EVTNAME});
  read_formatted(date_pass, kDateTexts, {rs.YY1, rs.MM1, rs.DD1});
  temp5.close();
}

void event_length(Console& con, RunSettings& rs) {
  if (rs.NO_MONTHS != 1 && rs.NO_MONTHS != 12) {
    say(con, {"No of months per event not eq to 1 or 12"});
    say(con, {});
    stop_with_message("Program aborted in evt @ 130");
  }
  if (rs.MONTH < 1 || rs.MONTH > 12) {
    say(con, {"Start month not in 1 to 12"});
    say(con, {});
    stop_with_message("Program aborted in evt @ 130");
  }
  if (rs.NO_MONTHS == 1) {
    rs.EVTLENGTH = month_hours(rs.MONTH) + (rs.MONTH == 2 && is_leap_year(rs.YEAR) ? 24 : 0);
  } else {
    std::int32_t hours = 0;
    for (std::int32_t m = rs.MONTH; m < rs.MONTH + 12; ++m) hours += month_hours(m);
    // The twelve months hold a 29 February when they take in the February of
    // a leap year: this year's when they start by February, else next year's.
    std::int64_t february_year = rs.MONTH <= 2 ? rs.YEAR : std::int64_t{rs.YEAR} + 1;
    rs.EVTLENGTH = hours + (is_leap_year(february_year) ? 24 : 0);
  }
}

void date_record(RunSettings& rs, bool first_event) {
  FileUnit temp1(kUnitScratch, "temp1.fls");
  open_scratch(temp1);
  temp1.write(kDateLine, {rs.YY1, rs.MM1, rs.DD1, rs.HH1});
  temp1.close();
  if (!first_event) return;
  FileUnit temp2(kUnitScratch, "temp2.fls");
  open_scratch(temp2);
  temp2.write(kNameLine, {rs.YY1, rs.MM1, rs.DD1});
  LineReader back = temp2.rewind();
  read_formatted(back, kEventName, {rs.EVTNAME});
  temp2.close();
}

}  // namespace serigen
