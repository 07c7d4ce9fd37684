// Answers that would write a wrong file, through the binary from a pipe:
// each refusal stops the run at that answer with one report line and exit
// 1, before any event file; starts typed without leading zeros give the
// files of the usual layout.
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "sessions/session_support.h"

namespace serigen::test {
namespace {

namespace fs = std::filesystem;

// A three-event session, one answer per line, and the same with some
// answers (by their index) replaced.
const std::vector<std::string> kAnswers = {"na", "3", "1", "2010 06 15 00", "1", "y", "1.0", "y", "2.5", "y", "y", "y",
                                           "y",  "y", "y", "gr10k",         "",  ""};

std::string answers_with(const std::map<std::size_t, std::string>& replaced) {
  std::string s;
  for (std::size_t i = 0; i < kAnswers.size(); ++i) {
    auto it = replaced.find(i);
    s += (it != replaced.end() ? it->second : kAnswers[i]) + "\n";
  }
  return s;
}

std::string refused(const std::string& question, int line, const std::string& rule, const std::string& answer) {
  return "serigen: refused answer to \"" + question + "\" (line " + std::to_string(line) + " of the answers): " + rule +
         ", not \"" + answer + "\"\n";
}

TEST(Answers, RefusedFromAPipe) {
  const std::string start = "type in start of event - eg. yyyy mm dd hh";
  const std::string start_form = "a start yyyy mm dd hh (or three or four numbers: year, month, day and hour)";
  const std::string snow = "will you be running the snow melt  routines? y/n";
  const std::string yes_no = "y or n (an empty line counts as no)";
  const std::string basin = "name of shd & par files: eg. gr10k, saug 8 char max";
  const std::string name_rule = "a name without \\ / : * ? \" < > | or control characters";
  struct Case {
    std::map<std::size_t, std::string> answers;
    std::string report;
  };
  const std::vector<Case> cases = {
      {{{0, "'a/b'"}}, refused("enter special event class designation", 1, name_rule, "a/b")},
      {{{0, "'x\x01'"}}, refused("enter special event class designation", 1, name_rule, "x\\x01")},
      {{{3, "20x0 06 15 00"}}, refused(start, 4, start_form, "20x0 06 15 00")},
      {{{3, "2010-6-15"}}, refused(start, 4, start_form, "2010-6-15")},
      {{{3, "2010 06"}}, refused(start, 4, start_form, "2010 06")},
      {{{3, "0999 06 15 00"}}, refused(start, 4, "a year from 1000 to 9999", "0999 06 15 00")},
      {{{3, "10000 6 15 0"}}, refused(start, 4, "a year from 1000 to 9999", "10000 6 15 0")},
      {{{3, "2011 02 29 00"}}, refused(start, 4, "a day within its month", "2011 02 29 00")},
      {{{3, "2010 06 00 00"}}, refused(start, 4, "a day within its month", "2010 06 00 00")},
      {{{3, "2010 06 15 24"}}, refused(start, 4, "an hour from 0 to 23", "2010 06 15 24")},
      {{{1, "1200"}, {3, "9950 01 01 00"}},
       refused(start, 4, "a start from which 1200 events begin by the year 9999", "9950 01 01 00")},
      {{{2, "12"}, {3, "9998 06 01 00"}},
       refused(start, 4, "a start from which 3 events begin by the year 9999", "9998 06 01 00")},
      {{{4, "0"}}, refused("What reporting time step would you like in files?", 5,
                           "a whole number of hours from 1 to 99999", "0")},
      {{{4, "100000"}}, refused("What reporting time step would you like in files?", 5,
                                "a whole number of hours from 1 to 99999", "100000")},
      {{{5, "Y"}}, refused(snow, 6, yes_no, "Y")},
      {{{5, " y"}}, refused(snow, 6, yes_no, " y")},
      {{{5, "\t"}}, refused(snow, 6, yes_no, "\\x09")},
      {{{5, "1"}}, refused(snow, 6, yes_no, "1")},
      {{{5, "gr10k"}}, refused(snow, 6, yes_no, "gr10k")},
      {{{8, "100"}}, refused("what is your disaggregation rate mm/hr ?", 9,
                             "a rate that fits its five columns, from -9.99 to 99.99", "100")},
      {{{15, "con"}}, refused(basin, 16, "a basin name that is not a device name of Windows", "con")},
      {{{15, "LPT1 x"}}, refused(basin, 16, "a basin name that is not a device name of Windows", "LPT1 x")},
      {{{15, "a:b"}}, refused(basin, 16, name_rule, "a:b")},
      {{{15, "   "}}, refused(basin, 16, "a basin name", "")},
  };
  for (const Case& c : cases) {
    fs::path work = fresh_directory("refused");
    BinaryRun run = run_binary(work, answers_with(c.answers), {});
    EXPECT_EQ(run.status, 1) << c.report;
    EXPECT_EQ(run.err, c.report);
    for (const auto& [path, content] : file_tree(work)) {
      EXPECT_FALSE(path.ends_with(".evt")) << c.report << ": " << path << " was written";
      if (path == "event/events_to_follow.txt") EXPECT_EQ(content, "") << c.report;
    }
    fs::remove_all(work);
  }
}

TEST(Answers, StartsWithoutLeadingZerosGiveTheFilesOfTheLayout) {
  fs::path usual = fresh_directory("usual");
  ASSERT_EQ(run_binary(usual, answers_with({}), {}).status, 0);
  for (const char* typed : {"2010 6 15 0", "2010 06 15", "  2010  6  15  "}) {
    fs::path work = fresh_directory("normalised");
    BinaryRun run = run_binary(work, answers_with({{3, typed}}), {});
    EXPECT_EQ(run.status, 0) << typed << run.err;
    EXPECT_EQ(file_tree(work), file_tree(usual)) << typed;
    fs::remove_all(work);
  }
  fs::remove_all(usual);
}

// A command line or an answer file that cannot be used: exit 2, one line
// naming the option or the key, nothing written.
TEST(CommandLine, UsageErrorsNameTheOptionOrTheKey) {
  struct Case {
    std::vector<std::string> args;
    std::string toml;  // given as run.toml when not empty
    std::string report;
  };
  const std::vector<Case> cases = {
      {{"answers.txt"}, "", "serigen: The following argument was not expected: answers.txt; see serigen --help"},
      {{"--months", "6"}, "", "serigen: bad value for --months: expected 1 or 12, not \"6\""},
      {{"--events=three"}, "", "serigen: bad value for --events: \"three\" is not an integer"},
      {{"--start", "2010 13 01 00"}, "", "serigen: bad value for --start: expected a month from 1 to 12, not \"2010 13 01 00\""},
      {{"--snow", "Y"}, "", "serigen: bad value for --snow: expected y or n (an empty line counts as no), not \"Y\""},
      {{"--snow=n", "--snow-factor=25"}, "", "serigen: --snow-factor is given, but the answer to snow melt is not y"},
      {{"--disaggregate", "", "--rate", "2"}, "", "serigen: --rate is given, but the answer to disaggregation is not y"},
      {{"--basin", "nul"}, "",
       "serigen: bad value for --basin: expected a basin name that is not a device name of Windows, not \"nul\""},
      {{"--events", "1200", "--months", "1", "--start", "9950 01 01 00"}, "",
       "serigen: bad value for --start: expected a start from which 1200 events begin by the year 9999, not \"9950 01 "
       "01 00\""},
      {{"--config", "run.toml"}, "months = 6\n", "serigen: bad value for months in run.toml: expected 1 or 12, not \"6\""},
      {{"--config", "run.toml", "--months", "1", "--yes"}, "months = 6\n", ""},  // the option beats the file
      {{"--config", "run.toml"}, "month = 1\n", "serigen: INI was not able to parse month; see serigen --help"},
      {{"--config", "missing.toml"}, "", "serigen: --config: File does not exist: missing.toml; see serigen --help"},
      {{"-C", "nowhere"}, "", "serigen: -C: cannot work in nowhere: No such file or directory"},
  };
  for (const Case& c : cases) {
    fs::path work = fresh_directory("usage");
    if (!c.toml.empty()) std::ofstream(work / "run.toml") << c.toml;
    RunOptions options;
    options.args = c.args;
    // Answers for the questions the options leave, when the run goes on.
    BinaryRun run = run_binary(work, c.report.empty() ? "na\n3\n2010 06 15 00\n1\nn\nn\nn\nn\nn\nn\nn\nn\ngr10k\n" : "",
                               options);
    if (c.report.empty()) {
      EXPECT_EQ(run.status, 0) << run.err;
      fs::remove_all(work);
      continue;
    }
    EXPECT_EQ(run.status, 2) << c.report;
    EXPECT_EQ(run.err, c.report + "\n");
    EXPECT_EQ(run.out, "");
    for (const auto& [path, content] : file_tree(work)) EXPECT_EQ(path, "run.toml") << c.report;
    fs::remove_all(work);
  }
}

// The cases answered by options, by an answer file and by both with the
// console keep the files of the same series answered on the console.
TEST(CommandLine, OptionCasesWriteTheFilesOfTheConsoleRun) {
  const fs::path cases = fs::path(SERIGEN_TEST_DATA) / "sessions" / "cases";
  const auto console = file_tree(cases / "overview_legacy_monthly" / "expected");
  for (const char* name : {"options_answer_every_question", "config_file_answers", "options_mixed_with_console"}) {
    auto files = file_tree(cases / name / "expected");
    files.erase("run.toml");  // the answer file itself
    EXPECT_EQ(files, console) << name;
  }
}

// A session typed once, saved, then repeated from the answer file alone.
TEST(CommandLine, SavedAnswersRepeatTheRun) {
  const std::vector<std::string> sessions = {
      answers_with({}),
      // Odd answers that still write sound files: a quoted designation with
      // a blank, a short start, "yes", a factor of more than five columns,
      // blank y/n answers, a basin with a leading blank.
      "'Ca PA'\n2\n1\n2012 2 29\n24\nyes\n1.23456\n\n   \nn\ny\n\nn\nno\n gr x\n\n\n",
      // An apostrophe in the designation, yearly events, no factor or rate.
      "\"it's\"\n3\n12\n2010 06 15 00\n1\nn\nn\ny\ny\ny\ny\ny\ny\ngr10k\n\n\n",
  };
  for (const std::string& answers : sessions) {
    fs::path typed = fresh_directory("typed");
    RunOptions save;
    save.args = {"--save-config", "saved.toml"};
    BinaryRun first = run_binary(typed, answers, save);
    ASSERT_EQ(first.status, 0) << first.err;
    fs::path repeated = fresh_directory("repeated");
    fs::copy_file(typed / "saved.toml", repeated / "saved.toml");
    RunOptions again;
    again.args = {"--config", "saved.toml", "--yes"};
    BinaryRun second = run_binary(repeated, "", again);
    EXPECT_EQ(second.status, 0) << second.err << read_file(typed / "saved.toml");
    EXPECT_EQ(file_tree(repeated), file_tree(typed)) << read_file(typed / "saved.toml");
    fs::remove_all(typed);
    fs::remove_all(repeated);
  }
}

}  // namespace
}  // namespace serigen::test
