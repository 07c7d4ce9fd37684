// The two ways a run ends early: the program's own stop with a message, and
// the report of an input/output error. Both unwind to the driver, which
// writes the message and turns it into the exit status.
#pragma once

#include <string>

namespace serigen {

// Exit statuses of a run.
inline constexpr int kExitNormal = 0;
inline constexpr int kExitFailureStop = 1;
inline constexpr int kExitIoError = 2;

// Units of the program's channels, as named in error reports.
inline constexpr int kUnitInternal = -1;  // a text target
inline constexpr int kUnitConsoleIn = 5;
inline constexpr int kUnitConsoleOut = 6;
inline constexpr int kUnitChainList = 90;
inline constexpr int kUnitRunInfo = 98;
inline constexpr int kUnitScratch = 99;

// Stop with a message: the message goes to the error stream unchanged.
struct ProgramStop {
  std::string message;
  int status;
};

// Kinds of input/output failure.
inline constexpr const char* kConversionError = "input conversion error";
inline constexpr const char* kEndOfFile = "end-of-file during read";
inline constexpr const char* kWriteError = "write error";

struct IoFailure {
  std::string kind;
  int unit;
  std::string file;
  std::string detail;  // what was being read, when that helps the user
};

// The one-line report written to the error stream, without line end.
std::string io_failure_report(const IoFailure& f);

[[noreturn]] void stop_with_message(std::string message, int status = kExitFailureStop);
[[noreturn]] void fail_io(const char* kind, int unit, std::string file, std::string detail = {});

}  // namespace serigen
