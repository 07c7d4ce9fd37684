// The run from the start banner to "Normal ending", on an injected console.
#pragma once

#include "format/console.h"

namespace serigen {

// Asks the questions and writes the series in the working directory.
// Returns the exit status: 0 normal ending, 1 a failure stop, 2 an
// input/output error.
int run_serigen(Console& con);

}  // namespace serigen
