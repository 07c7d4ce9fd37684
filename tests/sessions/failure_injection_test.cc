// Failures injected into whole runs of the binary: every one ends with a
// non-zero status and leaves no half-written event file behind.
#include <gtest/gtest.h>

#include "sessions/session_support.h"

namespace serigen::test {
namespace {

namespace fs = std::filesystem;

// The answers of a standard three-event session, one per line.
const std::vector<std::string> kAnswers = {"na", "3", "1", "2010 06 15 00", "1", "y", "1.0", "y", "2.5", "y", "y", "y",
                                           "y",  "y", "y", "gr10k",         "",  ""};

std::string join(std::size_t count, std::size_t replaced = SIZE_MAX, const std::string& with = "") {
  std::string s;
  for (std::size_t i = 0; i < count; ++i) s += (i == replaced ? with : kAnswers[i]) + "\n";
  return s;
}

std::size_t count_of(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) ++n;
  return n;
}

// Every event file is whole, and the chain list names exactly the events
// that the console confirmed.
void expect_consistent(const fs::path& work, const BinaryRun& run, const std::string& label) {
  auto tree = file_tree(work);
  for (const auto& [path, content] : tree) {
    if (path.size() > 4 && path.substr(path.size() - 4) == ".evt") {
      EXPECT_EQ(count_of(content, "\r\n"), 99u) << label << ": " << path;
      EXPECT_EQ(content.substr(content.size() - 5), "eof\r\n") << label << ": " << path;
    }
  }
  std::string chain = tree.count("event/events_to_follow.txt") ? tree["event/events_to_follow.txt"] : "";
  EXPECT_EQ(count_of(chain, "\r\n"), count_of(run.out, "... created")) << label;
}

TEST(FailureInjection, EndOfInputAtEveryAnswer) {
  for (std::size_t k = 0; k < kAnswers.size(); ++k) {
    fs::path work = fresh_directory("eof");
    BinaryRun run = run_binary(work, join(k), {});
    EXPECT_EQ(run.status, 2) << "input cut after " << k << " answers";
    EXPECT_EQ(run.err, "serigen: end-of-file during read (unit 5, file console input)\n") << k;
    expect_consistent(work, run, "cut after " + std::to_string(k));
    fs::remove_all(work);
  }
  fs::path work = fresh_directory("whole");
  BinaryRun run = run_binary(work, join(kAnswers.size()), {});
  EXPECT_EQ(run.status, 0);
  expect_consistent(work, run, "whole session");
  fs::remove_all(work);
}

TEST(FailureInjection, UnconvertibleAnswerToEachNumericQuestion) {
  const std::vector<std::pair<std::size_t, std::string>> cases = {
      {1, "three"}, {2, "twelve"}, {3, "20x0 06 15 00"}, {4, "one"}, {6, "1,0"}, {8, "fast"},
  };
  for (const auto& [position, answer] : cases) {
    fs::path work = fresh_directory("conversion");
    BinaryRun run = run_binary(work, join(kAnswers.size(), position, answer), {});
    EXPECT_EQ(run.status, 2) << answer;
    EXPECT_EQ(run.err.rfind("serigen: input conversion error (unit ", 0), 0u) << run.err;
    EXPECT_EQ(count_of(run.err, "\n"), 1u) << run.err;
    expect_consistent(work, run, answer);
    fs::remove_all(work);
  }
}

}  // namespace
}  // namespace serigen::test
