// The data-file name table: the names of the current event's files, built
// from the basin name, the event name and the designation.
#pragma once

#include "common/run_settings.h"
#include "format/console.h"

namespace serigen {

// Every event: writes the 24 names to temp3.fls and reads them back into FLN
// entries 1 to 23 and FLN1 (the event file path).
void build_name_table(RunSettings& rs);

// Number of characters of the basin name before its first blank.
int basin_name_length(const Fixed<8>& bsnme);

// The overwrite warning with its two pauses, shown while `warning_on` is set;
// it then clears the switch.
void overwrite_warning(Console& con, bool& warning_on);

}  // namespace serigen
