// Helpers shared by the tests: a scratch working directory, whole files, and
// a session run in-process on string streams.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "format/console.h"
#include "serigen/driver.h"

namespace serigen::test {

namespace fs = std::filesystem;

inline std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void spit(const fs::path& p, const std::string& content) {
  std::ofstream out(p, std::ios::binary);
  out << content;
}

// A fresh working directory (with an `event` directory unless told not to)
// that is the current directory while the object lives.
class ScratchDir {
 public:
  explicit ScratchDir(bool with_event_dir = true) {
    static int serial = 0;
    dir_ = fs::temp_directory_path() / ("serigen-test-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    if (with_event_dir) fs::create_directory(dir_ / "event");
    old_ = fs::current_path();
    fs::current_path(dir_);
  }
  ~ScratchDir() {
    fs::current_path(old_);
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  const fs::path& path() const { return dir_; }

 private:
  fs::path dir_;
  fs::path old_;
};

struct SessionResult {
  int status;
  std::string out;
  std::string err;
  std::vector<std::string> commands;  // lines the pause handed to the runner
};

// Runs a whole session in the current directory on the given answers, as
// from a terminal when `interactive`.
inline SessionResult run_session(const std::string& answers, bool interactive = false) {
  std::istringstream in(answers);
  std::ostringstream out;
  std::ostringstream err;
  SessionResult r{};
  Console con{in, out, err, [&r, &out](const std::string& command) {
                r.commands.push_back(command);
                out << "ran " << command << '\n';
                return 0;
              }};
  con.interactive = interactive;
  r.status = run_serigen(con);
  r.out = out.str();
  r.err = err.str();
  return r;
}

}  // namespace serigen::test
