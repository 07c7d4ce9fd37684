#include "format/console.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <ostream>

#include "format/io_error.h"
#include "format/list_directed.h"

namespace serigen {

void fail_console_output() {
  // The stream keeps no reason of its own; the system's is in errno.
  const int code = errno;
  fail_io(kWriteError, kUnitConsoleOut, "console output", code != 0 ? std::strerror(code) : std::string());
}

void put_console_line(Console& con) {
  errno = 0;
  con.out.write(con.line.data(), static_cast<std::streamsize>(con.line.size()));
  if (!con.out) fail_console_output();
}

int run_system_command(const std::string& command) { return std::system(command.c_str()); }

void flush_console(Console& con) {
  errno = 0;
  con.out.flush();
  if (!con.out) fail_console_output();
}

void say(Console& con, std::initializer_list<OutItem> items) {
  con.line.clear();
  write_list(con.line, "\n", items);
  put_console_line(con);
}

LineReader answer_source(Console& con) {
  flush_console(con);
  return LineReader::console(con.in, &con.lines_read);
}

void pause(Console& con, std::string_view message) {
  LineReader source = LineReader::console(con.in, &con.lines_read);
  std::string answer;
  for (;;) {
    con.line.assign(message);
    con.line += '\n';
    put_console_line(con);
    flush_console(con);
    source.require_line(answer);
    if (answer.empty()) return;
    if (!con.interactive) {
      if (len_trim(answer) == 0) return;
      throw RefusedAnswer{std::string(message), con.lines_read, "an empty line continues here", answer};
    }
    con.run_command(answer);
    flush_console(con);
  }
}

}  // namespace serigen
