// The run from the start banner to "Normal ending", on an injected console.
#pragma once

#include <string>

#include "format/console.h"
#include "serigen/presets.h"

namespace serigen {

struct RunOptions {
  Presets presets;          // answers given before the run
  bool yes = false;         // show the overwrite warning without pausing
  bool no_clobber = false;  // refuse to start over existing event files
  bool plan = false;        // show the series; write nothing
  std::string save_config;  // write the answers to this answer file
};

// Asks the questions and writes the series in the working directory.
// Returns the exit status: 0 normal ending, 1 a failure stop, 2 an
// input/output error or a bad option.
int run_serigen(Console& con, const RunOptions& options = {});

}  // namespace serigen
