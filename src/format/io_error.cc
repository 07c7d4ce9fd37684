#include "format/io_error.h"

namespace serigen {

std::string io_failure_report(const IoFailure& f) {
  std::string r = "serigen: " + f.kind + " (unit " + std::to_string(f.unit) + ", file " + f.file + ")";
  if (!f.detail.empty()) r += ": " + f.detail;
  return r;
}

void stop_with_message(std::string message, int status) { throw ProgramStop{std::move(message), status}; }

void fail_io(const char* kind, int unit, std::string file, std::string detail) {
  throw IoFailure{kind, unit, std::move(file), std::move(detail)};
}

}  // namespace serigen
