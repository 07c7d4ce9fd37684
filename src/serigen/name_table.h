// The names of the current event's files, built from the basin name, the
// event name and the designation.
#pragma once

#include "format/console.h"
#include "format/fixed_text.h"

namespace serigen {

// A file name as it stands in the 30 columns of an event file line.
using FileName = Fixed<30>;

// The names the event file and the chain list use.
struct EventFiles {
  FileName basin;               // basin\<basin>_shd.r2c
  FileName parameters;          // basin\<basin>_par.csv
  FileName channel_parameters;  // basin\<basin>_ch_par.r2c
  FileName point_locations;     // basin\<basin>.pdl
  FileName event;               // event\<event name>[_<designation>].evt
};

// The event file's path: event\<event name>.evt with legacy names, else
// event\<event name>_<designation>.evt.
FileName event_file_name(const Fixed<8>& designation, const Fixed<8>& event_name);

// Writes the event's 24 names to temp3.fls and returns those that are used.
EventFiles build_name_table(const Fixed<8>& basin, const Fixed<8>& designation, const Fixed<8>& event_name);

// The overwrite warning with its two pauses (without them when `pauses` is
// false), shown before the first event file is written.
void overwrite_warning(Console& con, bool pauses = true);

}  // namespace serigen
