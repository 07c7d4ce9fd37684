// The command line: an option for every question, answer files by name, a
// plan before writing, the working directory, help and version.
#pragma once

#include <string>

#include "serigen/answers.h"
#include "serigen/driver.h"

namespace serigen {

struct CommandLine {
  bool print_only = false;  // help or version: print `text` and end
  std::string text;
  RunOptions options;
};

// Parses the arguments; -C applies first, so that a relative --config or
// --save-config is taken from the new directory. A bad command line or a
// bad answer in it throws UsageError.
CommandLine parse_command_line(int argc, const char* const* argv);

// The run's answers as an answer file for --config: its lines, each ended
// by CR LF.
std::string answers_file_text(const Answers& answers);

}  // namespace serigen
