// Whole runs of the serigen binary, one folder per case under cases/:
//   answers          the console input (absent: no input at all)
//   args             command-line arguments, one per line (optional)
//   setup            flags, one per line: no-event-dir, stdout-to-dev-full,
//                    stderr-to-stdout (stdout then holds both streams),
//                    stdout-closed, evt-info-locked (by another process),
//                    file-size-limit (1 KiB, SIGXFSZ ignored; stdout is not kept)
//   given/           files the working directory holds before the run
//   stdout, stderr   the console output expected, byte for byte
//   status           the exit status expected
//   expected/        every file the working directory holds after the run
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "sessions/session_support.h"

namespace serigen::test {
namespace {

namespace fs = std::filesystem;

const fs::path kCases = fs::path(SERIGEN_TEST_DATA) / "sessions" / "cases";

std::vector<std::string> lines_of(const fs::path& p) {
  std::vector<std::string> lines;
  std::istringstream in(read_file(p));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> case_names() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kCases)) {
    if (fs::exists(entry.path() / "status")) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class Session : public ::testing::TestWithParam<std::string> {};

TEST_P(Session, MatchesByteForByte) {
  const fs::path c = kCases / GetParam();
  RunOptions options;
  options.args = lines_of(c / "args");
  for (const std::string& flag : lines_of(c / "setup")) {
    if (flag == "no-event-dir") options.event_dir = false;
    if (flag == "stdout-to-dev-full") options.stdout_to_dev_full = true;
    if (flag == "stderr-to-stdout") options.stderr_to_stdout = true;
    if (flag == "stdout-closed") options.stdout_closed = true;
    if (flag == "evt-info-locked") options.run_info_locked = true;
    if (flag == "file-size-limit") options.file_size_limit = true;
  }
  options.given = c / "given";
  fs::path work = fresh_directory(GetParam());
  BinaryRun run = run_binary(work, read_file(c / "answers"), options);

  EXPECT_EQ(run.status, std::stoi(read_file(c / "status")));
  EXPECT_EQ(first_difference(read_file(c / "stderr"), run.err), "") << "standard error";
  if (!options.stdout_to_dev_full && !options.stdout_closed && !options.file_size_limit) {
    EXPECT_EQ(first_difference(read_file(c / "stdout"), run.out), "") << "standard output";
  }
  auto expected = file_tree(c / "expected");
  auto actual = file_tree(work);
  for (const auto& [path, content] : expected) {
    auto it = actual.find(path);
    if (it == actual.end()) {
      ADD_FAILURE() << path << " was not written";
    } else {
      EXPECT_EQ(first_difference(content, it->second), "") << path;
    }
  }
  for (const auto& [path, content] : actual) {
    if (!expected.count(path)) ADD_FAILURE() << path << " was written but is not expected";
  }
  fs::remove_all(work);
}

INSTANTIATE_TEST_SUITE_P(Cases, Session, ::testing::ValuesIn(case_names()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace serigen::test
