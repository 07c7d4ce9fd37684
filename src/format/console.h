// The console of a run: input, output and error streams and the runner that
// the pause hands a command line to. A test supplies string streams and a
// recording runner; the program supplies the process's own.
#pragma once

#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <string>
#include <string_view>

#include "format/items.h"
#include "format/pattern.h"

namespace serigen {

// Runs a command line through the system's command interpreter.
int run_system_command(const std::string& command);

struct Console {
  Console(std::istream& input, std::ostream& output, std::ostream& error,
          std::function<int(const std::string&)> runner = run_system_command)
      : in(input), out(output), err(error), run_command(std::move(runner)) {}

  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  std::function<int(const std::string&)> run_command;
  std::string line;  // the record being built, reused
};

// Hands everything written so far to the terminal.
void flush_console(Console& con);
// Writes the record built in con.line; a failing write is a write error.
void put_console_line(Console& con);

// Output, one record each; a failing write ends the run with a write error.
void say(Console& con, std::initializer_list<OutItem> items);  // list-directed
template <const Pattern& P, class... Items>
void say_formatted(Console& con, const Items&... items) {
  con.line.clear();
  write_checked<P>(con.line, "\n", items...);
  put_console_line(con);
}

// Input, each read starting on a new line. The console is flushed first, so
// that the question is on the screen before the program waits.
void ask_list(Console& con, std::initializer_list<InItem> items);
template <const Pattern& P, class... Items>
void ask_formatted(Console& con, Items&... items) {
  flush_console(con);
  LineReader source = LineReader::console(con.in);
  read_checked<P>(source, items...);
}

// Shows the message and waits for an empty line; a line that is not empty is
// run as a command, then the message is shown again.
void pause(Console& con, std::string_view message);

}  // namespace serigen
