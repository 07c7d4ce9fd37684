// Scratch files: small text files in the working directory through which
// values are written and read back; they stay on disk after the run.
#pragma once

#include "format/file_unit.h"

namespace serigen {

// Opens a scratch file; one that cannot be opened ends the run with an
// input/output error report.
void open_scratch(FileUnit& unit);

}  // namespace serigen
