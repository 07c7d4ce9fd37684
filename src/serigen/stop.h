// How a run ends: its exit statuses, the program's stop with a message, and
// the one-line report of an input/output failure. Stops unwind to the
// driver, which writes the message and returns the status.
#pragma once

#include <string>

#include "format/console.h"
#include "format/io_error.h"

namespace serigen {

inline constexpr int kExitNormal = 0;
inline constexpr int kExitFailureStop = 1;
inline constexpr int kExitIoError = 2;

// File units of the program, as named in reports.
inline constexpr int kUnitChainList = 90;
inline constexpr int kUnitRunInfo = 98;
inline constexpr int kUnitScratch = 99;  // scratch files and event files, one at a time
inline constexpr int kUnitSavedAnswers = 97;

struct ProgramStop {
  std::string message;  // written to the error stream unchanged
  int status;
};

// "serigen: warning: <text>" on the error stream, after what the console
// has shown.
void warn(Console& con, std::string_view text);

[[noreturn]] void stop_with_message(std::string message, int status = kExitFailureStop);

// "serigen: <kind> (unit <n>, file <name>)[: <detail>]", without line end.
std::string io_failure_report(const IoFailure& f);

// An answer that could not be read as its number, or answers that end
// before it, named by the question's main prompt line.
struct AnswerFailure {
  std::string kind;  // kConversionError or kEndOfFile
  std::string question;
  std::size_t line;    // the answer's line number
  std::string detail;  // what could not be read
};
std::string answer_failure_report(const AnswerFailure& f);

// "serigen: refused answer to "<question>" (line <n> of the answers):
// <what is accepted>, not "<answer>"", without line end.
std::string refused_answer_report(const RefusedAnswer& r);

}  // namespace serigen
