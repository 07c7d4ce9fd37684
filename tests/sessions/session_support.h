// Running the real serigen binary in a fresh working directory, and
// comparing what it leaves behind.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace serigen::test {

struct BinaryRun {
  int status = -1;
  std::string out;
  std::string err;
};

struct RunOptions {
  std::vector<std::string> args;
  bool event_dir = true;  // create an empty `event` directory first
  bool stdout_to_dev_full = false;
  bool stderr_to_stdout = false;  // 2>&1: both streams in one file, as on a terminal
  bool stdout_closed = false;     // >&-
  bool run_info_locked = false;   // another process holds the lock on evt_info.txt
  bool file_size_limit = false;   // ulimit -f 2 (1 KiB) with SIGXFSZ ignored
  std::filesystem::path given;  // a tree copied into the directory first
};

// The whole content of a file; empty when there is none.
std::string read_file(const std::filesystem::path& p);

// A fresh, empty working directory under the system's temporary directory.
std::filesystem::path fresh_directory(const std::string& label);

// Runs the binary in `work` with `answers` on its standard input.
BinaryRun run_binary(const std::filesystem::path& work, const std::string& answers, const RunOptions& options);

// Every file below `root`, by relative path with '/' separators: a regular
// file maps to its bytes, a link to "-> target".
std::map<std::string, std::string> file_tree(const std::filesystem::path& root);

// Where two texts first differ, line by line, with CR, NUL and trailing
// blanks made visible; empty when they are equal.
std::string first_difference(const std::string& expected, const std::string& actual);

}  // namespace serigen::test
