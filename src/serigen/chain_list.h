// The chain list event\events_to_follow.txt: one line per written event file,
// and the console line that confirms each one.
#pragma once

#include <string_view>

#include "format/console.h"
#include "format/file_unit.h"
#include "serigen/name_table.h"

namespace serigen {

inline constexpr std::string_view kChainListPath = "event\\events_to_follow.txt";

// Opens the list before the first event. A list that cannot be opened is
// reported on the error stream and the run goes on without it.
void open_chain_list(Console& con, FileUnit& chain);

// After the event file is written: the "... created" line and the chain line.
void confirm_event(Console& con, const FileName& event_file, FileUnit& chain);

}  // namespace serigen
