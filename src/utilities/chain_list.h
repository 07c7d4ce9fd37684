// The chain list event\events_to_follow.txt: one line per written event file,
// and the console line that confirms each one.
#pragma once

#include "common/run_settings.h"
#include "format/console.h"
#include "format/file_unit.h"

namespace serigen {

inline constexpr std::string_view kChainListPath = "event\\events_to_follow.txt";

// Opens the list before the first event. A list that cannot be opened is
// reported on the error stream and the run goes on without it.
void open_chain_list(Console& con, FileUnit& chain);

// After the writer has returned: the "... created" line and the chain line.
void confirm_event(Console& con, RunSettings& rs, FileUnit& chain);

void close_chain_list(FileUnit& chain);

}  // namespace serigen
