// Failures injected into whole runs of the binary: every one ends with a
// non-zero status and leaves no half-written event file behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <map>
#include <thread>

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
    EXPECT_EQ(run.err.rfind("serigen: end-of-file during read: the answers end before the answer to \"", 0), 0u) << k;
    EXPECT_NE(run.err.find("(line " + std::to_string(k + 1) + " of the answers)\n"), std::string::npos) << run.err;
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
      {1, "three"}, {2, "twelve"}, {4, "one"}, {6, "1,0"}, {8, "fast"},
  };
  for (const auto& [position, answer] : cases) {
    fs::path work = fresh_directory("conversion");
    BinaryRun run = run_binary(work, join(kAnswers.size(), position, answer), {});
    EXPECT_EQ(run.status, 2) << answer;
    EXPECT_EQ(run.err.rfind("serigen: input conversion error in the answer to \"", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("(line " + std::to_string(position + 1) + " of the answers)"), std::string::npos) << run.err;
    EXPECT_EQ(count_of(run.err, "\n"), 1u) << run.err;
    expect_consistent(work, run, answer);
    fs::remove_all(work);
  }
}

// A monthly series of `events` with the given basin: the same file names,
// different content for another basin.
std::string series_answers(int events, const std::string& basin) {
  return "na\n" + std::to_string(events) + "\n1\n2000 01 01 00\n1\nn\nn\nn\nn\nn\nn\nn\nn\n" + basin + "\n\n\n";
}

// Starts the binary in `work` on the answers in `answers_file`, its console
// output thrown away, its error stream kept in `err_file` if one is named.
pid_t start_binary(const fs::path& work, const fs::path& answers_file, const fs::path& err_file = {}) {
  pid_t pid = ::fork();
  if (pid == 0) {
    if (::chdir(work.c_str()) != 0) ::_exit(127);
    int in = ::open(answers_file.c_str(), O_RDONLY);
    int null = ::open("/dev/null", O_WRONLY);
    int err = err_file.empty() ? null : ::open(err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    ::dup2(in, 0);
    ::dup2(null, 1);
    ::dup2(err, 2);
    ::execl(SERIGEN_BINARY, SERIGEN_BINARY, static_cast<char*>(nullptr));
    ::_exit(127);
  }
  return pid;
}

int wait_for(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return status;
}

std::map<std::string, std::string> files_below(const fs::path& dir) { return file_tree(dir); }

TEST(FailureInjection, AnInterruptedRerunLeavesEveryFileOldOrNew) {
  constexpr int kEvents = 120;
  fs::path io = fresh_directory("interrupt-io");
  {
    std::ofstream(io / "old") << series_answers(kEvents, "oldbsn");
    std::ofstream(io / "new") << series_answers(kEvents, "gr10k");
  }
  // The complete old series, and the complete new one for comparison.
  fs::path old_dir = fresh_directory("old");
  fs::create_directory(old_dir / "event");
  ASSERT_EQ(WEXITSTATUS(wait_for(start_binary(old_dir, io / "old"))), 0);
  fs::path new_dir = fresh_directory("new");
  fs::create_directory(new_dir / "event");
  auto started = std::chrono::steady_clock::now();
  ASSERT_EQ(WEXITSTATUS(wait_for(start_binary(new_dir, io / "new"))), 0);
  const auto run_time = std::chrono::steady_clock::now() - started;
  const auto old_files = files_below(old_dir / "event");
  const auto new_files = files_below(new_dir / "event");
  const std::string old_list = old_files.at("events_to_follow.txt");
  const std::string new_list = new_files.at("events_to_follow.txt");
  ASSERT_NE(old_files.at("20000101.evt"), new_files.at("20000101.evt"));

  // Kill points spread evenly over the run and a little beyond it.
  constexpr int kPoints = 24;
  for (int sig : {SIGKILL, SIGINT, SIGTERM}) {
    for (int k = 0; k < kPoints; ++k) {
      const std::string label = std::string(strsignal(sig)) + " at point " + std::to_string(k);
      fs::path work = fresh_directory("rerun");
      fs::copy(old_dir, work, fs::copy_options::recursive);
      pid_t pid = start_binary(work, io / "new");
      std::this_thread::sleep_for(run_time * k / (kPoints - 4));
      ::kill(pid, sig);
      wait_for(pid);

      const auto now = files_below(work / "event");
      int temporaries = 0;
      for (const auto& [name, content] : now) {
        if (name.ends_with(".serigen-tmp")) {
          ++temporaries;
        } else if (name.ends_with(".evt")) {
          EXPECT_TRUE(content == old_files.at(name) || content == new_files.at(name)) << label << ": " << name;
        }
      }
      if (sig != SIGKILL) EXPECT_EQ(temporaries, 0) << label;
      // The list is the old one, or the start of the new one, and every
      // line it holds names a complete new file.
      const std::string list = now.at("events_to_follow.txt");
      if (list != old_list) {
        EXPECT_EQ(new_list.compare(0, list.size(), list), 0) << label;
        EXPECT_EQ(list.size() % 75, 0u) << label;
        for (std::size_t at = 0; at + 75 <= list.size(); at += 75) {
          std::string path = list.substr(1, 72);
          path = list.substr(at + 1, path.find(' ')).substr(6);  // event\<name>
          EXPECT_EQ(now.at(path), new_files.at(path)) << label << ": " << path;
        }
      }
      // A later run finishes the series and leaves no temporary file.
      ASSERT_EQ(WEXITSTATUS(wait_for(start_binary(work, io / "new"))), 0) << label;
      EXPECT_EQ(files_below(work / "event"), new_files) << label;
      fs::remove_all(work);
    }
  }
  fs::remove_all(io);
  fs::remove_all(old_dir);
  fs::remove_all(new_dir);
}

TEST(FailureInjection, AHugeAnswerLineIsRefusedWithFlatMemory) {
  fs::path work = fresh_directory("huge");
  fs::create_directory(work / "event");
  fs::path io = fresh_directory("huge-io");
  {
    // Written in pieces, so that this process stays small when it forks.
    std::ofstream answers(io / "answers", std::ios::binary);
    answers << "na\n";
    const std::string piece(1u << 20, '7');
    for (int i = 0; i < 100; ++i) answers << piece;
    answers << "\n";
  }
  int status = wait_for(start_binary(work, io / "answers", io / "err"));
  struct rusage usage {};
  ::getrusage(RUSAGE_CHILDREN, &usage);
  EXPECT_EQ(WEXITSTATUS(status), 2);
  EXPECT_EQ(read_file(io / "err"),
            "serigen: input conversion error in the answer to \"Enter the no of events to create:\" (line 2 of the "
            "answers): a line longer than 4096 characters\n");
  EXPECT_LT(usage.ru_maxrss, 32L * 1024) << "kilobytes, the most any run of these tests took";
  fs::remove_all(work);
  fs::remove_all(io);
}

}  // namespace
}  // namespace serigen::test
