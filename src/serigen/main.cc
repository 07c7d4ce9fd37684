// serigen: writes a series of event files for a distributed hydrological
// model from the answers to a short console questionnaire.
#include <cstring>
#include <iostream>

#include "serigen/stop.h"
#include "format/os.h"
#include "serigen/driver.h"

#ifndef SERIGEN_VERSION
#define SERIGEN_VERSION "0.0.0"
#endif

namespace {

constexpr const char* kHelp =
    "Usage: serigen [--help | --version]\n"
    "\n"
    "Writes a series of event files for a distributed hydrological model.\n"
    "Run it in the model's working directory, which must hold a writable\n"
    "'event' directory, and answer the questions on the console.\n"
    "\n"
    "Answers, one per line, in this order (an answer file gives the same lines):\n"
    "  designation       na for legacy file names, else up to 8 characters\n"
    "  number of events  a whole number; 0 writes no event file\n"
    "  months per event  1 or 12\n"
    "  start             yyyy mm dd hh, or 3 or 4 numbers (2010 6 15 0; the\n"
    "                    hour may be left out); a real date, year 1000-9999,\n"
    "                    and the last event must begin by the year 9999\n"
    "  reporting step    hours, 1 to 99999\n"
    "  eight y/n answers snow melt, disaggregation, evaporation, reservoir\n"
    "                    inflow, wetland, diversions, lake evaporation, ice;\n"
    "                    y or n in the first column (yes, no), or an empty\n"
    "                    line for no. After a y to snow melt comes the snow\n"
    "                    conversion factor (e.g. 1.0), after a y to\n"
    "                    disaggregation the rate in mm/hr (-9.99 to 99.99)\n"
    "  basin name        up to 8 characters, e.g. gr10k\n"
    "  two empty lines   for the two pauses before the first event file\n"
    "Names may not hold \\ / : * ? \" < > | or control characters; the basin\n"
    "name may not be a Windows device name (CON, NUL, COM1 ...).\n"
    "From a file or a pipe, the run stops at an answer it does not take; at a\n"
    "terminal it says why and asks again.\n"
    "\n"
    "It writes:\n"
    "  event\\<yyyymmdd>.evt (or event\\<yyyymmdd>_<designation>.evt)\n"
    "                      one 99-line event file per month or year\n"
    "  event\\events_to_follow.txt\n"
    "                      the chain list, one line per event file written\n"
    "  temp1.fls temp2.fls temp3.fls temp5.fls\n"
    "                      scratch files, left in the working directory\n"
    "  evt_info.txt        opened and locked, never written\n"
    "\n"
    "Exit status:\n"
    "  0  normal ending\n"
    "  1  a failure stop: a refused answer, months per event other than 1 or\n"
    "     12, a start month outside 1 to 12, no event directory, another run\n"
    "     in the directory, an event file that cannot be opened\n"
    "  2  an input/output error (an answer that cannot be read, end of the\n"
    "     answers, a failed write) or a bad argument\n";

}  // namespace

int main(int argc, char** argv) {
  serigen::os::open_standard_descriptors();
  if (argc > 1) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
      std::cout << kHelp << std::flush;
      return std::cout ? serigen::kExitNormal : serigen::kExitIoError;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
      std::cout << "serigen " << SERIGEN_VERSION << '\n' << std::flush;
      return std::cout ? serigen::kExitNormal : serigen::kExitIoError;
    }
    std::cerr << "serigen: unknown argument '" << argv[1] << "'\n"
              << "Usage: serigen [--help | --version]; with no argument it asks its questions.\n";
    return serigen::kExitIoError;
  }
  std::ios::sync_with_stdio(false);
  serigen::Console con(std::cin, std::cout, std::cerr);
  con.interactive = serigen::os::is_terminal(0);
  return serigen::run_serigen(con);
}
