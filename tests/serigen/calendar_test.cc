#include "serigen/calendar.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "serigen/stop.h"
#include "test_support.h"

namespace serigen {
namespace {

using test::ScratchDir;
using test::slurp;

struct Named {
  std::string name;
  std::int32_t hours;
};
bool operator==(const Named& a, const Named& b) { return a.name == b.name && a.hours == b.hours; }
std::ostream& operator<<(std::ostream& o, const Named& e) { return o << e.name << "/" << e.hours; }

// Runs the calendar as the driver does for n events; returns the last event.
Event series(const char* start_answer, std::int32_t months, int n, std::vector<Named>* named = nullptr) {
  std::istringstream in;
  std::ostringstream out, err;
  Console con(in, out, err);
  const SeriesStart start = split_start(Fixed<13>(start_answer));
  Event e = start.first;
  for (int k = 1; k <= n; ++k) {
    if (k > 1) e = next_event(e, months, start);
    e.hours = event_length(con, months, e);
    date_record(e, k == 1);
    if (named != nullptr) named->push_back({std::string(e.name.view()), e.hours});
  }
  return e;
}

TEST(EventCalendar, NamesAndLengthsOfASeries) {
  struct Case {
    const char* start;
    std::int32_t months;
    std::vector<Named> expected;
  };
  const std::vector<Case> cases = {
      {"2010 06 15 00", 1, {{"20100615", 720}, {"20100701", 744}, {"20100801", 744}}},
      {"2010 08 01 00", 1, {{"20100801", 744}, {"20100901", 720}, {"20101001", 744}}},
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
  for (const Case& c : cases) {
    ScratchDir dir;
    std::vector<Named> named;
    series(c.start, c.months, static_cast<int>(c.expected.size()), &named);
    EXPECT_EQ(named, c.expected) << c.start;
  }
}

TEST(EventCalendar, DateTextsAndScratchFiles) {
  ScratchDir dir;
  const Event e = series("2010 06 15 12", 1, 2);
  EXPECT_EQ(e.year_text.view(), "2010");
  EXPECT_EQ(e.month_text.view(), "07");
  EXPECT_EQ(e.day_text.view(), "01");
  EXPECT_EQ(e.hour_text.view(), "12");                        // every event keeps the start hour
  EXPECT_EQ(slurp("temp5.fls"), "20100701\r\n  150*01\r\n");  // the start day line; 12 overflows I1
  EXPECT_EQ(slurp("temp1.fls"), "2010 07 01 12\r\n");
  EXPECT_EQ(slurp("temp2.fls"), "20100615\r\n");
  series("2010 09 15 00", 1, 2);
  EXPECT_EQ(slurp("temp5.fls"), "20101001\r\n  15 001\r\n");  // two-digit month
}

TEST(EventCalendar, ShortStartAnswerLeavesABlankHour) {
  ScratchDir dir;
  const Event e = series("2010 06 15", 1, 1);
  EXPECT_EQ(e.hour_text.view(), "  ");
  EXPECT_EQ(split_start(Fixed<13>("2010 06 15")).hour, 0);
  EXPECT_EQ(slurp("temp1.fls"), "2010 06 15   \r\n");
  EXPECT_FALSE(std::filesystem::exists("temp5.fls"));  // one event: no step
}

TEST(EventCalendar, WrongMonthsOrStartMonthStopBeforeAnyScratchFile) {
  for (const auto& [start, months, message] : std::vector<std::tuple<const char*, int, const char*>>{
           {"2010 06 15 00", 6, " No of months per event not eq to 1 or 12\n\n"},
           {"2010 13 15 00", 1, " Start month not in 1 to 12\n\n"},
           {"2010 00 15 00", 12, " Start month not in 1 to 12\n\n"}}) {
    ScratchDir dir;
    std::istringstream in;
    std::ostringstream out, err;
    Console con(in, out, err);
    try {
      event_length(con, months, split_start(Fixed<13>(start)).first);
      ADD_FAILURE() << start << " was accepted";
    } catch (const ProgramStop& stop) {
      EXPECT_EQ(stop.message, "Program aborted in evt @ 130");
      EXPECT_EQ(stop.status, kExitFailureStop);
    }
    EXPECT_EQ(out.str(), message);
  }
}

TEST(EventCalendar, LettersInTheStartDateAreAConversionError) {
  try {
    split_start(Fixed<13>("20x0 06 15 00"));
    ADD_FAILURE() << "letters were read as a year";
  } catch (const IoFailure& e) {
    EXPECT_EQ(io_failure_report(e),
              "serigen: input conversion error (unit -1, file start answer): \"20x0\" is not an integer");
  }
}

TEST(EventCalendar, YearDoesNotWrapRound) {
  ScratchDir dir;
  Event e;
  e.year = INT32_MAX;
  e.month = 6;
  e = next_event(e, 12, SeriesStart{});
  EXPECT_EQ(e.year, INT32_MAX);
  EXPECT_EQ(e.year_text.view(), "****");
}

}  // namespace
}  // namespace serigen
