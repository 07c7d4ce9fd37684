#include "format/list_directed.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "format/io_error.h"

namespace serigen {
namespace {

std::string list(std::initializer_list<OutItem> items) {
  std::string out;
  write_list(out, "|", items);
  return out;
}

TEST(ListDirectedWrite, LeadingBlankThenItemsBackToBack) {
  EXPECT_EQ(list({}), "|");
  EXPECT_EQ(list({"event selection program"}), " event selection program|");
  EXPECT_EQ(list({" will you"}), "  will you|");
  EXPECT_EQ(list({"event\\20100615.evt   ", "... created"}), " event\\20100615.evt   ... created|");
  EXPECT_EQ(list({"ios=", 2, " possible problem: lile is locked"}),
            " ios=           2 possible problem: lile is locked|");
}

TEST(ListDirectedWrite, LinesHoldAtMostEightyColumns) {
  const std::string path = "event\\missing\\20100615.evt" + std::string(230, ' ');
  std::string out = list({"problem opening", path, "in write_event @ line 15"});
  std::string joined;
  std::istringstream lines(out);
  std::string line;
  while (std::getline(lines, line, '|')) {
    EXPECT_LE(line.size(), 80u);
    ASSERT_EQ(line[0], ' ');
    joined += line.substr(1);
  }
  EXPECT_EQ(joined, "problem opening" + path + "in write_event @ line 15");
  EXPECT_EQ(out.substr(0, 17), " problem opening|");  // the long item starts a new line
}

LineReader text(std::string_view s) { return LineReader::of_text(s, kUnitConsoleIn, "console input"); }

TEST(ListDirectedRead, ValuesSeparatorsNullsAndSlash) {
  struct Case {
    const char* input;
    std::int32_t a, b, c;
  };
  const Case cases[] = {
      {"12, 1, 3", 12, 1, 3}, {"\n\n  4 5\n6", 4, 5, 6}, {",5,6", -1, 5, 6},   {"1,,3", 1, -1, 3},
      {"1 , 2 ,3", 1, 2, 3},  {"1 / 9 9", 1, -1, -1},    {"7,\n8 9", 7, 8, 9}, {"-1 +2 3\r\n", -1, 2, 3},
      {"1\n,\n3 4", 1, 3, 4}, {"/", -1, -1, -1},
  };
  for (const Case& c : cases) {
    std::int32_t a = -1, b = -1, d = -1;
    LineReader src = text(c.input);
    read_list(src, {a, b, d});
    EXPECT_EQ(a, c.a) << c.input;
    EXPECT_EQ(b, c.b) << c.input;
    EXPECT_EQ(d, c.c) << c.input;
  }
}

TEST(ListDirectedRead, OneValueTakesTheFirstAndSkipsTheRestOfTheLine) {
  std::int32_t n = 0;
  std::int32_t m = 0;
  LineReader src = text("12, 1\n\n6\n");
  read_list(src, {n});
  read_list(src, {m});  // the empty line is passed over
  EXPECT_EQ(n, 12);
  EXPECT_EQ(m, 6);
}

TEST(ListDirectedRead, TextsQuotedOrNot) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"CaPA RDRS", "CaPA    "}, {"RDRS2023Long", "RDRS2023"}, {"'Ca PA'", "Ca PA   "},
      {"\"a,b/c\"", "a,b/c   "}, {"'it''s'", "it's    "},      {"na,x", "na      "},
      {"\n\nna\r", "na      "},  {"'   '", "        "},        {"'split\nline'", "splitlin"},
  };
  for (const auto& [input, expected] : cases) {
    Fixed<8> t;
    LineReader src = text(input);
    read_list(src, {t});
    EXPECT_EQ(t.view(), expected) << input;
  }
}

TEST(ListDirectedRead, Reals) {
  for (const auto& [input, expected] : std::vector<std::pair<const char*, float>>{
           {"4", 4.0f}, {"2.5", 2.5f}, {".5", 0.5f}, {"1.e1", 10.0f}, {"-3E-1", -0.3f}}) {
    float v = 0;
    LineReader src = text(input);
    read_list(src, {v});
    EXPECT_FLOAT_EQ(v, expected) << input;
  }
}

TEST(ListDirectedRead, FailuresAreReported) {
  // 2^64 + 1 and -(2^64 - 1) would wrap round to 1 in 64-bit arithmetic.
  for (const char* input : {"abc", "3000000000", "18446744073709551617", "-18446744073709551615", "1.5", "'12'", "1-2"}) {
    std::int32_t n = 0;
    LineReader src = text(input);
    try {
      read_list(src, {n});
      ADD_FAILURE() << input << " was read";
    } catch (const IoFailure& e) {
      EXPECT_EQ(e.kind, kConversionError) << input;
      EXPECT_EQ(e.unit, kUnitConsoleIn);
    }
  }
  std::int32_t n = 0;
  LineReader src = text("\n\n");
  try {
    read_list(src, {n});
    ADD_FAILURE() << "read past the end";
  } catch (const IoFailure& e) {
    EXPECT_EQ(e.kind, kEndOfFile);
  }
}

}  // namespace
}  // namespace serigen
