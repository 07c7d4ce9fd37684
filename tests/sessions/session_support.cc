#include "sessions/session_support.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace serigen::test {

namespace fs = std::filesystem;

namespace {

std::string quoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) {
    if (c == '\'') {
      q += "'\\''";
    } else {
      q += c;
    }
  }
  return q + "'";
}

std::string visible(const std::string& line) {
  std::string v = "[";
  for (unsigned char c : line) {
    if (c == '\r') {
      v += "\\r";
    } else if (c == '\0') {
      v += "\\0";
    } else if (c < 32 || c > 126) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02x", c);
      v += buf;
    } else {
      v += static_cast<char>(c);
    }
  }
  return v + "]";
}

std::vector<std::string> split_lines(const std::string& s) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < s.size()) {
    std::size_t end = s.find('\n', pos);
    if (end == std::string::npos) end = s.size();
    lines.push_back(s.substr(pos, end - pos));
    pos = end + 1;
  }
  return lines;
}

}  // namespace

std::string read_file(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

fs::path fresh_directory(const std::string& label) {
  static int serial = 0;
  fs::path dir = fs::temp_directory_path() /
                 ("serigen-session-" + std::to_string(::getpid()) + "-" + std::to_string(++serial) + "-" + label);
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

BinaryRun run_binary(const fs::path& work, const std::string& answers, const RunOptions& options) {
  fs::path io = fresh_directory("io");
  if (options.event_dir) fs::create_directory(work / "event");
  if (!options.given.empty() && fs::exists(options.given)) {
    fs::copy(options.given, work,
             fs::copy_options::recursive | fs::copy_options::copy_symlinks | fs::copy_options::overwrite_existing);
  }
  {
    std::ofstream in(io / "answers", std::ios::binary);
    in << answers;
  }
  std::string command = "cd " + quoted(work.string()) + " && ";
  if (options.file_size_limit) command += "ulimit -f 2 && trap '' XFSZ && ";
  command += quoted(SERIGEN_BINARY);
  for (const std::string& a : options.args) command += " " + quoted(a);
  command += " < " + quoted((io / "answers").string());
  if (options.stdout_closed) {
    command += " >&-";
  } else if (options.file_size_limit) {
    command += " > /dev/null";  // the limit would cut the console output too
  } else {
    command += " > " + (options.stdout_to_dev_full ? std::string("/dev/full") : quoted((io / "out").string()));
  }
  command += options.stderr_to_stdout ? std::string(" 2>&1") : " 2> " + quoted((io / "err").string());
  int lock_fd = -1;
  if (options.run_info_locked) {
    lock_fd = ::open((work / "evt_info.txt").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    ::flock(lock_fd, LOCK_EX);
  }
  int rc = std::system(command.c_str());
  if (lock_fd >= 0) ::close(lock_fd);
  BinaryRun run;
  run.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  run.out = read_file(io / "out");
  run.err = read_file(io / "err");
  fs::remove_all(io);
  return run;
}

std::map<std::string, std::string> file_tree(const fs::path& root) {
  std::map<std::string, std::string> tree;
  if (!fs::exists(root)) return tree;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
    std::string rel = it->path().lexically_relative(root).generic_string();
    if (it->is_symlink()) {
      tree[rel] = "-> " + fs::read_symlink(it->path()).string();
    } else if (it->is_regular_file()) {
      tree[rel] = read_file(it->path());
    }
  }
  return tree;
}

std::string first_difference(const std::string& expected, const std::string& actual) {
  if (expected == actual) return {};
  std::vector<std::string> e = split_lines(expected);
  std::vector<std::string> a = split_lines(actual);
  for (std::size_t i = 0; i < std::max(e.size(), a.size()); ++i) {
    std::string el = i < e.size() ? visible(e[i]) : "(no line)";
    std::string al = i < a.size() ? visible(a[i]) : "(no line)";
    if (el != al) {
      return "first difference at line " + std::to_string(i + 1) + "\n  expected: " + el + "\n  actual:   " + al;
    }
  }
  return "the texts differ only in their last line end";
}

}  // namespace serigen::test
