#include "utilities/calendar.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "format/io_error.h"
#include "test_support.h"

namespace serigen {
namespace {

using test::ScratchDir;
using test::slurp;

struct Event {
  std::string name;
  std::int32_t hours;
};

// Runs the calendar's operations as the driver does for n events.
std::vector<Event> series(const char* start, std::int32_t months, int n, RunSettings& rs) {
  std::istringstream in;
  std::ostringstream out, err;
  Console con(in, out, err);
  rs.START = start;
  rs.NO_MONTHS = months;
  split_start(rs);
  std::vector<Event> events;
  for (int k = 1; k <= n; ++k) {
    if (k > 1) next_event_step(rs);
    event_length(con, rs);
    date_record(rs, k == 1);
    events.push_back({std::string(rs.EVTNAME.view()), rs.EVTLENGTH});
  }
  return events;
}

struct SeriesCase {
  const char* start;
  std::int32_t months;
  std::vector<Event> expected;
};

bool operator==(const Event& a, const Event& b) { return a.name == b.name && a.hours == b.hours; }
std::ostream& operator<<(std::ostream& o, const Event& e) { return o << e.name << "/" << e.hours; }

TEST(EventCalendar, NamesAndLengthsOfASeries) {
  const std::vector<SeriesCase> cases = {
      {"2010 06 15 00", 1, {{"20100615", 720}, {"20100701", 744}, {"20100801", 744}}},
      {"2010 11 01 00", 1, {{"20101101", 720}, {"20101201", 744}, {"20110101", 744}}},
      {"2011 12 05 00", 1, {{"20111205", 744}, {"20120101", 744}, {"20120201", 696}, {"20120301", 744}}},
      {"2011 02 01 00", 1, {{"20110201", 672}}},
      {"1900 02 01 00", 1, {{"19000201", 672}}},
      {"2100 02 01 00", 1, {{"21000201", 672}}},
      {"2000 02 01 00", 1, {{"20000201", 696}}},
      // Twelve months get the extra day when they hold a 29 February.
      {"2010 06 15 00", 12, {{"20100615", 8760}, {"20110601", 8784}, {"20120601", 8760}}},
      {"2012 01 01 00", 12, {{"20120101", 8784}, {"20130101", 8760}}},
      {"2011 03 01 00", 12, {{"20110301", 8784}, {"20120301", 8760}}},
      {"2012 02 01 00", 12, {{"20120201", 8784}}},
      {"2099 06 01 00", 12, {{"20990601", 8760}, {"21000601", 8760}}},
      // Taken by column, not by blank-separated words.
      {"2010 6 15 0", 1, {{"20106 5 ", 720}, {"20100701", 744}}},
  };
  for (const SeriesCase& c : cases) {
    ScratchDir dir;
    RunSettings rs;
    EXPECT_EQ(series(c.start, c.months, static_cast<int>(c.expected.size()), rs), c.expected) << c.start;
  }
}

TEST(EventCalendar, DateTextsAndScratchFiles) {
  ScratchDir dir;
  RunSettings rs;
  series("2010 06 15 12", 1, 2, rs);
  EXPECT_EQ(rs.YY1.view(), "2010");
  EXPECT_EQ(rs.MM1.view(), "07");
  EXPECT_EQ(rs.DD1.view(), "01");
  EXPECT_EQ(rs.HH1.view(), "12");                             // every event keeps the start hour
  EXPECT_EQ(slurp("temp5.fls"), "20100701\r\n  150*01\r\n");  // the start day line; 12 overflows I1
  EXPECT_EQ(slurp("temp1.fls"), "2010 07 01 12\r\n");
  EXPECT_EQ(slurp("temp2.fls"), "20100615\r\n");
}

TEST(EventCalendar, ShortStartAnswerLeavesABlankHour) {
  ScratchDir dir;
  RunSettings rs;
  series("2010 06 15", 1, 1, rs);
  EXPECT_EQ(rs.HH1.view(), "  ");
  EXPECT_EQ(rs.HOUR, 0);
  EXPECT_EQ(slurp("temp1.fls"), "2010 06 15   \r\n");
  EXPECT_FALSE(std::filesystem::exists("temp5.fls"));  // one event: no step
}

TEST(EventCalendar, WrongMonthsOrStartMonthStopBeforeAnyScratchFile) {
  for (const auto& [start, months, message] : std::vector<std::tuple<const char*, int, const char*>>{
           {"2010 06 15 00", 6, " No of months per event not eq to 1 or 12\n\n"},
           {"2010 13 15 00", 1, " Start month not in 1 to 12\n\n"},
           {"2010 00 15 00", 12, " Start month not in 1 to 12\n\n"}}) {
    ScratchDir dir;
    RunSettings rs;
    std::istringstream in;
    std::ostringstream out, err;
    Console con(in, out, err);
    rs.START = start;
    rs.NO_MONTHS = months;
    split_start(rs);
    try {
      event_length(con, rs);
      ADD_FAILURE() << start << " was accepted";
    } catch (const ProgramStop& stop) {
      EXPECT_EQ(stop.message, "Program aborted in evt @ 130");
      EXPECT_EQ(stop.status, kExitFailureStop);
    }
    EXPECT_EQ(out.str(), message);
  }
}

TEST(EventCalendar, LettersInTheStartDateAreAConversionError) {
  RunSettings rs;
  rs.START = "20x0 06 15 00";
  try {
    split_start(rs);
    ADD_FAILURE() << "letters were read as a year";
  } catch (const IoFailure& e) {
    EXPECT_EQ(e.kind, kConversionError);
  }
}

TEST(EventCalendar, YearDoesNotWrapRound) {
  ScratchDir dir;
  RunSettings rs;
  rs.NO_MONTHS = 12;
  rs.YEAR = INT32_MAX;
  rs.MONTH = 6;
  next_event_step(rs);
  EXPECT_EQ(rs.YEAR, INT32_MAX);
  EXPECT_EQ(rs.YY1.view(), "****");
}

}  // namespace
}  // namespace serigen
