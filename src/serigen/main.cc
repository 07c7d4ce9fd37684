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
    "Run it in the model's working directory, which must hold an 'event'\n"
    "directory, and answer the questions on the console:\n"
    "  the event class designation (na for legacy file names), the number of\n"
    "  events, the months per event (1 or 12), the start (yyyy mm dd hh), the\n"
    "  reporting time step, eight y/n questions on model processes (with the\n"
    "  snow conversion factor and the disaggregation rate after a y) and the\n"
    "  basin name.\n"
    "\n"
    "It writes:\n"
    "  event\\<yyyymmdd>.evt (or event\\<yyyymmdd>_<designation>.evt)\n"
    "                      one 99-line event file per month or year\n"
    "  event\\events_to_follow.txt\n"
    "                      the chain list, one line per event file written\n"
    "  temp1.fls temp2.fls temp3.fls temp5.fls\n"
    "                      scratch files, left in the working directory\n"
    "  evt_info.txt        opened, never written\n"
    "\n"
    "Answers can come from a file: serigen < answers.txt\n"
    "\n"
    "Exit status:\n"
    "  0  normal ending\n"
    "  1  a failure stop (wrong months per event or start month, an event file\n"
    "     that cannot be opened)\n"
    "  2  an input/output error (an answer that cannot be read, end of input,\n"
    "     a failed write) or a bad argument\n";

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
