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
  bool interactive = false;    // input comes from a person at a terminal
  std::size_t lines_read = 0;  // answer lines taken so far
  std::string line;            // the record being built, reused
};

// An answer the program does not take when the answers come from a file or
// a pipe: the run stops at it rather than go on out of step.
struct RefusedAnswer {
  std::string question;  // the question's main prompt line
  std::size_t line;      // the answer's line number
  std::string accepted;  // what is accepted there
  std::string answer;    // the answer as read
};

// Hands everything written so far to the terminal.
void flush_console(Console& con);
// Ends the run with a write error on console output, with the system's
// reason when it gave one.
[[noreturn]] void fail_console_output();
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

// The console input as the source of an answer, each read starting on a new
// line. The console is flushed first, so that the question is on the screen
// before the program waits; the lines taken are counted in con.lines_read.
LineReader answer_source(Console& con);

// Shows the message and waits for an empty line. At a terminal, any other
// line is run as a command and the message is shown again. From a file or a
// pipe, a line of blanks also continues and any other line is refused: a
// command is never run from answers.
void pause(Console& con, std::string_view message);

}  // namespace serigen
