// Scratch files: small text files in the working directory that record the
// dates and names of the current event; they stay on disk after the run.
#pragma once

#include <string_view>

namespace serigen {

// Replaces the scratch file `name` with `records` (complete lines, each
// ended by CR LF), in place and never through a link. A file that cannot be
// opened or written ends the run with an input/output error report.
void write_scratch(std::string_view name, std::string_view records);

}  // namespace serigen
