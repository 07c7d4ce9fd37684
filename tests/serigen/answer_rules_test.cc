#include "serigen/answer_rules.h"

#include <gtest/gtest.h>

namespace serigen {
namespace {

TEST(AnswerRules, StartsTakenAsTheyStandOrLaidOut) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"2010 06 15 00", "2010 06 15 00"},
      {"2010-06-15T00 and more", "2010-06-15T00"},  // the usual columns, whatever stands between and after
      {"2010 6 15 0", "2010 06 15 00"},
      {"2010 06 15", "2010 06 15 00"},
      {" 2010 6 1 ", "2010 06 01 00"},
      {"2012 02 29 00", "2012 02 29 00"},
      {"2000 2 29 23", "2000 02 29 23"},
      {"2010 13 31 00", "2010 13 31 00"},  // the run stops on the month later, as always
  };
  for (const auto& [typed, taken] : cases) EXPECT_EQ(take_start(typed, false).view(), taken) << typed;
  for (const char* refused : {"1900 02 29 00", "2010 13 01 00", "2010 04 31 00", "2010 6 15 0 0", "2010 6 +5"}) {
    EXPECT_THROW(take_start(refused, true), Refusal) << refused;
  }
}

TEST(AnswerRules, YesNoNamesAndNumbers) {
  for (const char* taken : {"", "   ", "y", "yes", "n", "no", "nope"}) EXPECT_NO_THROW(take_yes_no(taken)) << taken;
  EXPECT_EQ(take_yes_no("   ").view(), " ");
  EXPECT_EQ(take_yes_no("yes").view(), "y");
  for (const char* basin : {"gr10k", "riverxyz", " gr", "COM10", "console", "ab cd"}) {
    EXPECT_NO_THROW(check_basin(Fixed<8>(basin))) << basin;
  }
  for (const char* basin : {"", "CON", "nul", "Com1", "lpt9 x", "a*b", "a\"b", "tab\tx"}) {
    EXPECT_THROW(check_basin(Fixed<8>(basin)), Refusal) << basin;
  }
  EXPECT_NO_THROW(check_designation(Fixed<8>("Ca PA")));
  EXPECT_NO_THROW(check_designation(Fixed<8>("")));
  EXPECT_THROW(check_designation(Fixed<8>("a|b")), Refusal);
  EXPECT_NO_THROW(check_report_step(99999));
  EXPECT_THROW(check_report_step(-1), Refusal);
  EXPECT_NO_THROW(check_rate(99.994f));
  EXPECT_NO_THROW(check_rate(-9.99f));
  EXPECT_THROW(check_rate(99.995f), Refusal);
  EXPECT_THROW(check_rate(-10.0f), Refusal);
  EXPECT_NO_THROW(check_series_length(Fixed<13>("9999 12 01 00"), 1, 1));
  EXPECT_THROW(check_series_length(Fixed<13>("9999 12 01 00"), 2, 1), Refusal);
  EXPECT_NO_THROW(check_series_length(Fixed<13>("9999 12 01 00"), 2, 6));  // stopped later on the months
}

}  // namespace
}  // namespace serigen
