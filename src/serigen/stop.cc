#include "serigen/stop.h"

#include <ostream>

namespace serigen {

void warn(Console& con, std::string_view text) {
  flush_console(con);
  con.err << "serigen: warning: " << text << '\n';
  con.err.flush();
}

void stop_with_message(std::string message, int status) { throw ProgramStop{std::move(message), status}; }

std::string io_failure_report(const IoFailure& f) {
  std::string r = "serigen: " + f.kind + " (unit " + std::to_string(f.unit) + ", file " + f.file + ")";
  if (!f.detail.empty()) r += ": " + f.detail;
  return r;
}

std::string answer_failure_report(const AnswerFailure& f) {
  const std::string where = "\"" + f.question + "\" (line " + std::to_string(f.line) + " of the answers)";
  if (f.kind == kEndOfFile) return "serigen: " + f.kind + ": the answers end before the answer to " + where;
  return "serigen: " + f.kind + " in the answer to " + where + (f.detail.empty() ? "" : ": " + f.detail);
}

std::string refused_answer_report(const RefusedAnswer& r) {
  return "serigen: refused answer to \"" + r.question + "\" (line " + std::to_string(r.line) +
         " of the answers): " + r.accepted + ", not \"" + excerpt(r.answer) + "\"";
}

}  // namespace serigen
