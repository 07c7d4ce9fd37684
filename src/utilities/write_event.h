// The event writer: one complete 99-line event file.
#pragma once

#include <cstdint>
#include <string>

#include "common/run_settings.h"
#include "format/console.h"

namespace serigen {

// Opens the file named by FLN entry 99, writes the 99 lines and closes it.
// A file that cannot be opened is reported and stops the run.
void write_event(Console& con, RunSettings& rs, const Fixed<4>& YY1, const Fixed<2>& MM1, const Fixed<2>& DD1,
                 const Fixed<2>& HH1, const Fixed<8>& EVTNAME, std::int32_t EVTLENGTH, const Fixed<8>& EVTTYPE);

// The 99 lines of an event file, each ended by CR LF, appended to `out`.
void format_event(std::string& out, const RunSettings& rs, const Fixed<4>& YY1, const Fixed<2>& MM1,
                  const Fixed<2>& DD1, const Fixed<2>& HH1, const Fixed<8>& EVTNAME, std::int32_t EVTLENGTH,
                  const Fixed<8>& EVTTYPE);

}  // namespace serigen
