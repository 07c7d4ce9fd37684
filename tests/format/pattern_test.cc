#include "format/pattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "format/io_error.h"

namespace serigen {
namespace {

constexpr int kUnit = 99;

std::string write(const char* pattern, std::initializer_list<OutItem> items, float cell = 0.0f) {
  std::string out;
  write_formatted(out, "|", Pattern(pattern), items, &cell);
  return out;
}

struct WriteCase {
  const char* pattern;
  std::vector<OutItem> items;
  std::string expected;  // lines ended by '|'
};

TEST(FormattedWrite, FieldsLiteralsSkipsAndPatternControl) {
  const std::string key36(36, 'k');
  const std::string text22 = "abcdefghijklmnopqrstuv";
  const std::string key31 = ":intsoilmoisture               ";  // 31 characters
  const std::vector<WriteCase> cases = {
      {"(A4,1X,3(A2,1X))", {"2010", "06", "15", "00"}, "2010 06 15 00|"},
      {"(A4,3A2)", {"2010", "06", "15"}, "20100615|"},
      // A field with no item left ends the line; literals after it are lost.
      {"(A36,A8,A4)", {key36}, key36 + "|"},
      {"(A36,A8,A8)", {}, "|"},
      {"('event\\event.evt')", {}, "event\\event.evt|"},
      {"(I4,I2,'01')", {2010, 10}, "20101001|"},
      {"(I4,'0',I1,'01')", {2010, 6}, "20100601|"},
      // Items left at the closing parenthesis reuse the pattern on a new line.
      {"(I4,'0',I1,'01')", {2010, 6, 15, 0}, "20100601|  150001|"},
      {"(A1)", {text22}, "a|"},
      {"(A30,A4)", {key31, "0.25"}, key31.substr(0, 30) + "0.25|"},
      {"(A5)", {"ab"}, "   ab|"},
      {"(A)", {"as wide as the item "}, "as wide as the item |"},
      {"(A2,3X)", {"ab"}, "ab|"},
      {"(A2,3X,A1)", {"ab", "c"}, "ab   c|"},
      {"('it''s',\"x\")", {}, "it'sx|"},
      {"('a'/)", {}, "a||"},
      {"(/'a'/)", {}, "|a||"},
      {"()", {}, "|"},
      {"(':noeventstofollow',17X,'00')", {}, ":noeventstofollow                 00|"},
  };
  for (const WriteCase& c : cases) {
    std::string out;
    write_formatted(out, "|", Pattern(c.pattern), c.items);
    EXPECT_EQ(out, c.expected) << c.pattern;
  }
}

TEST(FormattedWrite, WidthTakenFromAValue) {
  EXPECT_EQ(write("(A6,A{n},A11)", {"basin\\", "gr10k   ", "_shd.r2c   "}, 5.0f), "basin\\gr10k_shd.r2c   |");
  EXPECT_EQ(write("(A8,'_',A{n},'.evt')", {"20100615", "CaPA    "}, 4.9f), "20100615_CaPA.evt|");
  EXPECT_EQ(write("(A8,'_',A{n},'.evt')", {"20100615", "        "}, 0.0f), "20100615_.evt|");
}

struct NumberCase {
  const char* pattern;
  OutItem item;
  const char* expected;
};

TEST(FormattedWrite, NumbersRoundFirstThenOverflowToAsterisks) {
  const std::vector<NumberCase> cases = {
      {"(I4)", 2010, "2010"},
      {"(I5)", 744, "  744"},
      {"(I1)", 10, "*"},
      {"(I5)", 100000, "*****"},
      {"(I3)", -5, " -5"},
      {"(I2)", -10, "**"},
      {"(I2)", 0, " 0"},
      {"(I5)", 8784, " 8784"},
      {"(F5.2)", 0.25f, " 0.25"},
      {"(F5.2)", 1.0f, " 1.00"},
      {"(F5.2)", 12.5f, "12.50"},
      {"(F5.2)", -0.5f, "-0.50"},
      {"(F5.2)", 0.5f, " 0.50"},
      {"(F5.2)", 0.0f, " 0.00"},
      {"(F5.2)", 2.5f, " 2.50"},
      {"(F5.2)", 100.0f, "*****"},
      {"(F5.2)", -10.0f, "*****"},
      {"(F5.2)", 99.999f, "*****"},
      {"(F5.2)", 99.994f, "99.99"},
      {"(F4.2)", 0.25f, "0.25"},
      {"(F3.2)", 0.25f, ".25"},
      {"(F4.2)", -0.25f, "-.25"},
      {"(F5.0)", 25.0f, "  25."},
      {"(F5.2)", -0.001f, " 0.00"},
      {"(F5.2)", INFINITY, "*****"},
      {"(F5.2)", NAN, "*****"},
  };
  for (const NumberCase& c : cases) {
    std::string out;
    write_formatted(out, "", Pattern(c.pattern), {c.item});
    EXPECT_EQ(out, c.expected) << c.pattern;
  }
}

// Patterns held in constexpr variables are parsed by the compiler, and the
// typed writes and reads check their items' kinds against the fields there.
constexpr Pattern kDate{"(A4,1X,3(A2,1X))"};
constexpr Pattern kStep{"(I4,'0',I1,'01')"};
constexpr Pattern kRate{"(A30,F5.2)"};
constexpr Pattern kQuoted{"('it''s',A2)"};
static_assert(kDate.entries().size() == 8);
static_assert(items_fit(kStep, std::array{ItemKind::Integer, ItemKind::Integer, ItemKind::Integer}));
static_assert(!items_fit(kStep, std::array{ItemKind::Integer, ItemKind::Text}));
static_assert(!items_fit(kRate, std::array{ItemKind::Text, ItemKind::Integer}));
static_assert(!items_fit(Pattern("('no field')"), std::array{ItemKind::Integer}));

TEST(FormattedWrite, TypedWritesAndReads) {
  std::string out;
  write_checked<kDate>(out, "|", Fixed<4>("2010"), "06", "15", "00");
  write_checked<kStep>(out, "|", std::int32_t{2010}, std::int32_t{7}, std::int32_t{15}, std::int32_t{0});
  write_checked<kRate>(out, "|", Fixed<30>(":disaggregate"), 2.5f);
  EXPECT_EQ(out, "2010 06 15 00|20100701|  150001|:disaggregate                  2.50|");
  Fixed<2> two;
  LineReader src = LineReader::of_text("it'sab", kUnitInternal, "text");
  read_checked<kQuoted>(src, two);  // the doubled delimiter takes one column
  EXPECT_EQ(two.view(), "ab");
}

TEST(FormattedWrite, ProgrammingErrorsAreRefused) {
  for (const char* bad :
       {"A4", "(A4", "(A0)", "(I)", "(F5)", "(Q)", "(2(2(A1)))", "('x)", "(A1)x", "(99999A1)", "(1000(1000(A1)))"}) {
    EXPECT_THROW(Pattern{bad}, std::invalid_argument) << bad;
  }
  std::string out;
  EXPECT_THROW(write_formatted(out, "|", Pattern("(I4)"), {"text"}), std::logic_error);
  EXPECT_THROW(write_formatted(out, "|", Pattern("('no field')"), {1}), std::logic_error);
}

struct ReadCase {
  const char* pattern;
  const char* line;
  std::int32_t i1, i2, i3, i4;
};

TEST(FormattedRead, IntegerFieldsIgnoreBlanks) {
  const std::vector<ReadCase> cases = {
      {"(I4,3I2)", "2010061500", 2010, 6, 15, 0},
      {"(I4,3I2)", "20106 5   ", 2010, 6, 5, 0},  // the answer 2010 6 15 0 taken by column
      {"(I2,I2,I2,I2)", "9  9    ", 9, 9, 0, 0},
      {"(3X,I2,I2,I2,I2)", "abc12-3+4", 12, -3, 4, 0},
      {"(I4,I4,I4,I4)", "", 0, 0, 0, 0},
  };
  for (const ReadCase& c : cases) {
    std::int32_t a = 7, b = 7, d = 7, e = 7;
    LineReader src = LineReader::of_text(c.line, kUnitInternal, "text");
    read_formatted(src, Pattern(c.pattern), {a, b, d, e});
    EXPECT_EQ(a, c.i1) << c.line;
    EXPECT_EQ(b, c.i2) << c.line;
    EXPECT_EQ(d, c.i3) << c.line;
    EXPECT_EQ(e, c.i4) << c.line;
  }
}

TEST(FormattedRead, RealFieldsWithImpliedPointAndExponent) {
  const std::vector<std::tuple<const char*, const char*, float>> cases = {
      {"(F5.0)", "25.", 25.0f},     {"(F5.0)", "25", 25.0f},       {"(F5.0)", "1.5", 1.5f},
      {"(F5.0)", "100.55", 100.5f}, {"(F5.0)", "1.23456", 1.234f}, {"(F5.0)", "", 0.0f},
      {"(F5.0)", " -2 5", -25.0f},  {"(F5.2)", "12345", 123.45f},  {"(F5.2)", "1.5", 1.5f},
      {"(F5.0)", "1e2", 100.0f},    {"(F5.0)", "2D-1", 0.2f},      {"(F5.1)", "15E1", 15.0f},
  };
  for (const auto& [pattern, line, expected] : cases) {
    float v = -1.0f;
    LineReader src = LineReader::of_text(line, kUnitInternal, "text");
    read_formatted(src, Pattern(pattern), {v});
    EXPECT_FLOAT_EQ(v, expected) << pattern << " [" << line << "]";
  }
}

TEST(FormattedRead, TextFieldsKeepTheirColumns) {
  Fixed<12> twelve;
  Fixed<256> name;
  Fixed<1> answer;
  Fixed<8> basin;
  LineReader src = LineReader::of_text("x123456789abc", kUnitInternal, "text");
  read_formatted(src, Pattern("(A13)"), {twelve});
  EXPECT_EQ(twelve.view(), "123456789abc");  // the last 12 of 13 columns
  src = LineReader::of_text("basin\\gr10k_shd.r2c   ", kUnitInternal, "text");
  read_formatted(src, Pattern("(A30)"), {name});
  EXPECT_EQ(name.trimmed(), "basin\\gr10k_shd.r2c");
  EXPECT_EQ(name.view().size(), 256u);
  src = LineReader::of_text(" y", kUnitInternal, "text");
  read_formatted(src, Pattern("(A1)"), {answer});
  EXPECT_EQ(answer.view(), " ");
  src = LineReader::of_text("riverxyzabc", kUnitInternal, "text");
  read_formatted(src, Pattern("(A8)"), {basin});
  EXPECT_EQ(basin.view(), "riverxyz");
}

TEST(FormattedRead, ItemsBeyondThePatternReadFurtherLines) {
  Fixed<4> a, b, c;
  LineReader src = LineReader::of_text("one\r\ntwo\nthree\nfour\n", kUnit, "names");
  read_formatted(src, Pattern("(A4)"), {a, b});
  read_formatted(src, Pattern("(A4)"), {c});  // the next read starts on the next line
  EXPECT_EQ(a.view(), "one ");
  EXPECT_EQ(b.view(), "two ");
  EXPECT_EQ(c.view(), "thre");
}

TEST(FormattedRead, ConversionErrorsAndEndOfInputAreReported) {
  const std::vector<std::pair<const char*, const char*>> bad = {
      {"(I4)", "20x0"},  {"(I10)", "9999999999"}, {"(I2)", "+"},     {"(F5.0)", "1.2.3"},
      {"(F5.0)", "abc"}, {"(F5.0)", "1e"},        {"(F5.0)", "1+2"}, {"(F9.0)", "1e99999"},
  };
  for (const auto& [pattern, line] : bad) {
    std::int32_t i = 0;
    float f = 0;
    LineReader src = LineReader::of_text(line, kUnitInternal, "start answer");
    try {
      if (pattern[1] == 'I') {
        read_formatted(src, Pattern(pattern), {i});
      } else {
        read_formatted(src, Pattern(pattern), {f});
      }
      ADD_FAILURE() << pattern << " [" << line << "] was read";
    } catch (const IoFailure& e) {
      EXPECT_EQ(e.kind, kConversionError);
      EXPECT_EQ(e.file, "start answer");
    }
  }
  Fixed<4> a, b;
  LineReader src = LineReader::of_text("only\n", kUnit, "temp5.fls");
  try {
    read_formatted(src, Pattern("(A4)"), {a, b});
    ADD_FAILURE() << "read past the end";
  } catch (const IoFailure& e) {
    EXPECT_EQ(e.kind, kEndOfFile);
    EXPECT_EQ(e.unit, kUnit);
    EXPECT_EQ(e.file, "temp5.fls");
  }
}

}  // namespace
}  // namespace serigen
