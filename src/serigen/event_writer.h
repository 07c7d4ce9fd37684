// The event writer: one complete 99-line event file.
#pragma once

#include <string>

#include "format/console.h"
#include "serigen/answers.h"
#include "serigen/calendar.h"
#include "serigen/name_table.h"

namespace serigen {

// The 99 lines of the event file, each ended by CR LF, appended to `out`.
void format_event(std::string& out, const Answers& answers, const Event& event, const EventFiles& files);

// Writes the event file at files.event, replacing an older one whole. A file
// that cannot be opened is reported on the console and stops the run.
// Returns true when the file was rewritten in place because its directory
// could not take a temporary file.
bool write_event(Console& con, const Answers& answers, const Event& event, const EventFiles& files);

}  // namespace serigen
