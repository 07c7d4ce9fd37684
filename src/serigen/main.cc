// serigen: writes a series of event files for a distributed hydrological
// model from the answers to a short questionnaire, given on the console, as
// options or in an answer file.
#include <cerrno>
#include <iostream>

#include "format/os.h"
#include "serigen/command_line.h"
#include "serigen/driver.h"
#include "serigen/stop.h"

int main(int argc, char** argv) {
  serigen::os::open_standard_descriptors();
  serigen::CommandLine command_line;
  try {
    command_line = serigen::parse_command_line(argc, argv);
  } catch (const serigen::UsageError& e) {
    std::cerr << e.message << '\n' << std::flush;
    return serigen::kExitIoError;
  }
  if (command_line.print_only) {
    try {
      errno = 0;
      std::cout << command_line.text << std::flush;
      if (!std::cout) serigen::fail_console_output();
    } catch (const serigen::IoFailure& f) {
      std::cerr << serigen::io_failure_report(f) << '\n';
      return serigen::kExitIoError;
    }
    return serigen::kExitNormal;
  }
  std::ios::sync_with_stdio(false);
  serigen::Console con(std::cin, std::cout, std::cerr);
  con.interactive = serigen::os::is_terminal(0);
  return serigen::run_serigen(con, command_line.options);
}
