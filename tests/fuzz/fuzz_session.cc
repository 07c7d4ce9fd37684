// Fuzzes a whole run in-process: the input is the console input; the pause's
// command runner only records. Runs in a scratch directory with an `event`
// directory.
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>

#include "format/io_error.h"
#include "format/list_directed.h"
#include "serigen/driver.h"

using namespace serigen;
namespace fs = std::filesystem;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fs::path dir = fs::temp_directory_path() / "serigen-fuzz-session";
  fs::create_directories(dir / "event");
  fs::current_path(dir);
  return 0;
}

// The number of events the run will make, read as the program reads it; a
// long series only writes more of the same files.
static bool too_many_events(const std::string& input) {
  Fixed<8> designation;
  std::int32_t events = 0;
  LineReader source = LineReader::of_text(input, kUnitConsoleIn, "console input");
  try {
    read_list(source, {designation});
    read_list(source, {events});
  } catch (const IoFailure&) {
    return false;
  }
  return events > 24;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  if (too_many_events(input)) return 0;
  std::istringstream in(input);
  std::ostringstream out, err;
  std::size_t commands = 0;
  Console con(in, out, err, [&commands](const std::string&) {
    ++commands;
    return 0;
  });
  int status = run_serigen(con);
  if (status < 0 || status > 2) __builtin_trap();
  if (status == 0 && err.str().size() >= 14 && err.str().compare(err.str().size() - 14, 14, "Normal ending\n") != 0) {
    __builtin_trap();
  }
  return 0;
}
