#include "serigen/driver.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "test_support.h"

namespace serigen {
namespace {

using test::run_session;
using test::ScratchDir;
using test::slurp;
using test::spit;
namespace fs = std::filesystem;

const std::string kSeries = "na\n3\n1\n2010 06 15 00\n";
const std::string kFirstEvent = "1\ny\n1.0\ny\n2.5\ny\ny\ny\ny\ny\ny\ngr10k\n";

const std::string kClosing =
    " A file called events\\events_to_follow.txt\n has been written\n"
    " This list can be used in the first event file\n of a connected set of events\n\n"
    " ********************************************************\n"
    " *                                                      *\n"
    " *                  VALDORAN (R)                        *\n"
    " *                                                      *\n"
    " *           Program tollex    Jan. 17 2020             *\n"
    " *                                                      *\n"
    " *                Version 10_2_15                       *\n"
    " *                                                      *\n"
    " *                                                      *\n"
    " ********************************************************\n\n"
    " Please see file evt_info.txt for information re: this run\n";

TEST(Driver, ThreeEventsWithACommandAtThePause) {
  ScratchDir dir;
  spit("evt_info.txt", "kept\r\n");
  auto r = run_session(kSeries + kFirstEvent + "dir event\n\n\n", true);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "Normal ending\n");
  EXPECT_EQ(r.commands, std::vector<std::string>{"dir event"});
  EXPECT_NE(r.out.find("Hit enter to continue\nran dir event\nHit enter to continue\n\n recent change(s):"),
            std::string::npos);
  EXPECT_EQ(r.out.substr(r.out.size() - kClosing.size()), kClosing);
  EXPECT_EQ(slurp("evt_info.txt"), "kept\r\n");
  // The answers are the same for every event: lines 9 to 48 and 52 agree.
  auto lines = [](const char* path) {
    std::vector<std::string> v;
    std::string text = slurp(path);
    for (std::size_t p = 0, e; (e = text.find("\r\n", p)) != std::string::npos; p = e + 2)
      v.push_back(text.substr(p, e - p));
    return v;
  };
  auto first = lines("event/20100615.evt");
  ASSERT_EQ(first.size(), 99u);
  for (const char* f : {"event/20100701.evt", "event/20100801.evt"}) {
    auto other = lines(f);
    ASSERT_EQ(other.size(), 99u) << f;
    for (std::size_t i = 8; i < 48; ++i) EXPECT_EQ(other[i], first[i]) << f << " line " << i + 1;
    EXPECT_EQ(other[51], first[51]) << f;
    EXPECT_NE(other[5], first[5]) << f;  // line 6, the day: 15, then 01
  }
}

TEST(Driver, NoEventsStillClosesNormally) {
  for (const char* n : {"0", "-5"}) {
    ScratchDir dir;
    auto r = run_session("na\n" + std::string(n) + "\n7\n2010 06 15 00\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "serigen: warning: the number of events is " + std::string(n) +
                         ", so no event file is written\nNormal ending\n");
    const std::string after_start = "please stick with this convention so radar files work\n";
    EXPECT_EQ(r.out.substr(r.out.find(after_start) + after_start.size()), kClosing);
    EXPECT_EQ(slurp("evt_info.txt"), "");
    EXPECT_EQ(slurp("event/events_to_follow.txt"), "");
    EXPECT_FALSE(fs::exists("temp1.fls"));
  }
}

TEST(Driver, WrongMonthsPerEventStopsWithStatusOne) {
  ScratchDir dir;
  spit("event/events_to_follow.txt", " old line\r\n");
  auto r = run_session("na\n3\n6\n2010 06 15 00\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Program aborted in evt @ 130\n");
  EXPECT_EQ(r.out.substr(r.out.size() - 44), "\n No of months per event not eq to 1 or 12\n\n");
  EXPECT_EQ(slurp("event/events_to_follow.txt"), " old line\r\n");
  EXPECT_FALSE(fs::exists("temp1.fls"));
  EXPECT_FALSE(fs::exists("temp2.fls"));
}

TEST(Driver, InputErrorsExitWithStatusTwo) {
  ScratchDir dir;
  auto r = run_session("na\nthree\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "serigen: input conversion error in the answer to \"Enter the no of events to create:\" (line 2 of the "
            "answers): \"three\" is not an integer\n");
  r = run_session(kSeries + "1\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err,
            "serigen: end-of-file during read: the answers end before the answer to \"will you be running the snow "
            "melt  routines? y/n\" (line 6 of the answers)\n");
  EXPECT_TRUE(fs::exists("temp1.fls"));  // written before the end of input stays
}

// At a terminal an answer that is not taken gets a one-line hint and the
// question again; the run then goes on as if the good answer came first.
TEST(Driver, AtATerminalAQuestionIsAskedAgain) {
  struct Case {
    std::string answers;
    std::string hint;
    std::string asked_again;  // the question's main line, shown again after the hint
  };
  const Case cases[] = {
      {"na\n3\n1\n2010 06 15 00\n1\nY\ny\n", " Not taken: expected y or n (an empty line counts as no); please answer again\n",
       "  will you be running the snow melt  routines? y/n\n"},
      {"na\nthree\n3\n1\n2010 06 15 00\n1\ny\n",
       " Not taken: \"three\" is not an integer; please answer again\n", " Enter the no of events to create:\n"},
      {"na\n3\n6\n1\n2010 06 15 00\n1\ny\n", " Not taken: expected 1 or 12; please answer again\n",
       " No. of months per event file (1 or 12)\n"},
      {"na\n3\n1\n2010 13 15 00\n2010 06 15 00\n1\ny\n",
       " Not taken: expected a month from 1 to 12; please answer again\n",
       " type in start of event - eg. yyyy mm dd hh\n"},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    auto r = run_session(c.answers + "1.0\ny\n2.5\ny\ny\ny\ny\ny\ny\ngr10k\n\n\n", true);
    EXPECT_EQ(r.status, 0) << c.answers << r.err;
    EXPECT_NE(r.out.find(c.hint + c.asked_again), std::string::npos) << c.answers;
    EXPECT_EQ(slurp("event/20100615.evt"), slurp(fs::path(SERIGEN_TEST_DATA) /
                                                  "sessions/cases/overview_legacy_monthly/expected/event/20100615.evt"));
  }
}

TEST(Driver, NothingEscapesTheRun) {
  // The pause's command runner stands for any step that runs out of memory
  // or meets a fault of the program.
  struct Case {
    std::function<int(const std::string&)> runner;
    std::string report;
  };
  const Case cases[] = {
      {[](const std::string&) -> int { throw std::bad_alloc(); },
       "**Allocation failed for area12 in eventsa l86**\n"},
      {[](const std::string&) -> int { throw std::logic_error("a fault"); }, "serigen: internal error: a fault\n"},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    std::istringstream in(kSeries + kFirstEvent + "dir\n");
    std::ostringstream out, err;
    Console con(in, out, err, c.runner);
    con.interactive = true;
    EXPECT_EQ(run_serigen(con), 1);
    EXPECT_EQ(err.str(), c.report);
    EXPECT_FALSE(fs::exists("event/20100615.evt"));
  }
}

}  // namespace
}  // namespace serigen
