#include "format/console.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "format/io_error.h"
#include "format/list_directed.h"

namespace serigen {
namespace {

constexpr Pattern kPrompt{"(/' name of shd & par files'/)"};

struct ConsoleFixture : ::testing::Test {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  std::vector<std::string> commands;
  Console con{in, out, err, [this](const std::string& c) {
                commands.push_back(c);
                out << "output of " << c << '\n';
                return 0;
              }};
};

TEST_F(ConsoleFixture, PauseContinuesOnEnter) {
  in.str("\nnext\n");
  pause(con, "Hit enter to continue");
  EXPECT_EQ(out.str(), "Hit enter to continue\n");
  EXPECT_TRUE(commands.empty());
}

TEST_F(ConsoleFixture, AtATerminalThePauseRunsAnyOtherLineThenAsksAgain) {
  con.interactive = true;
  in.str("dir event\n   \n\nnext\n");
  pause(con, "Hit enter to continue");
  EXPECT_EQ(commands, (std::vector<std::string>{"dir event", "   "}));  // blanks too, as typed
  EXPECT_EQ(out.str(),
            "Hit enter to continue\noutput of dir event\nHit enter to continue\noutput of    \n"
            "Hit enter to continue\n");
}

TEST_F(ConsoleFixture, FromAFileThePauseRunsNothing) {
  in.str("   \n\tdir\n");
  pause(con, "Hit enter to continue");  // a line of blanks continues
  try {
    pause(con, "Hit enter to continue");
    ADD_FAILURE() << "a line that is not blank was taken";
  } catch (const RefusedAnswer& r) {
    EXPECT_EQ(r.question, "Hit enter to continue");
    EXPECT_EQ(r.line, 2u);
    EXPECT_EQ(r.answer, "\tdir");
  }
  EXPECT_TRUE(commands.empty());
}

TEST_F(ConsoleFixture, AnAnswerLineIsBounded) {
  in.str(std::string(kMaxLineLength, 'x') + "\n" + std::string(kMaxLineLength + 1, 'x') + "\r\n");
  Fixed<8> answer;
  LineReader source = answer_source(con);
  read_list(source, {answer});
  EXPECT_EQ(answer.view(), "xxxxxxxx");
  try {
    read_list(source, {answer});
    ADD_FAILURE() << "a line longer than the bound was taken";
  } catch (const IoFailure& e) {
    EXPECT_EQ(e.kind, kConversionError);
    EXPECT_EQ(e.detail, "a line longer than 4096 characters");
  }
}

TEST_F(ConsoleFixture, PauseAtEndOfInputIsAnEndOfFileError) {
  in.str("");
  EXPECT_THROW(pause(con, "Hit enter to continue"), IoFailure);
}

TEST_F(ConsoleFixture, FormattedAndListLines) {
  say(con, {"event selection program"});
  say(con, {});
  say_formatted<kPrompt>(con);
  EXPECT_EQ(out.str(), " event selection program\n\n\n name of shd & par files\n\n");
}

// The question must be on the screen before the program waits for input.
struct HeldOutput : std::streambuf {  // shows text only when flushed, like a buffered terminal
  std::string held, shown;
  int overflow(int c) override {
    held += static_cast<char>(c);
    return c;
  }
  int sync() override {
    shown += held;
    held.clear();
    return 0;
  }
};
struct WatchedInput : std::streambuf {  // notes what the screen showed when input was asked for
  HeldOutput* screen = nullptr;
  std::string data = "5\n";
  std::string seen;
  int underflow() override {
    if (gptr() != nullptr) return traits_type::eof();
    seen = screen->shown;
    setg(data.data(), data.data(), data.data() + data.size());
    return traits_type::to_int_type(data[0]);
  }
};

TEST(ConsolePrompt, QuestionIsShownBeforeTheRead) {
  HeldOutput screen;
  WatchedInput keyboard;
  keyboard.screen = &screen;
  std::ostream out(&screen);
  std::istream in(&keyboard);
  std::ostringstream err;
  Console con(in, out, err);
  say(con, {"Enter the no of events to create:"});
  std::int32_t n = 0;
  LineReader source = answer_source(con);
  read_list(source, {n});
  EXPECT_EQ(keyboard.seen, " Enter the no of events to create:\n");
  EXPECT_EQ(n, 5);
}

TEST(ConsoleOutput, AFailingWriteIsAWriteError) {
  std::ofstream full("/dev/full");
  if (!full) GTEST_SKIP() << "no /dev/full here";
  std::istringstream in("1\n");
  std::ostringstream err;
  Console con(in, full, err);
  try {
    for (int i = 0; i < 10000; ++i) say(con, {"a line that fills the buffer of the stream"});
    flush_console(con);
    ADD_FAILURE() << "the writes to /dev/full succeeded";
  } catch (const IoFailure& e) {
    EXPECT_EQ(e.kind, kWriteError);
    EXPECT_EQ(e.unit, kUnitConsoleOut);
  }
}

}  // namespace
}  // namespace serigen
