#include "format/line_reader.h"

#include "format/io_error.h"

namespace serigen {

LineReader LineReader::console(std::istream& in) {
  LineReader r;
  r.stream = &in;
  r.unit = kUnitConsoleIn;
  r.file = "console input";
  return r;
}

LineReader LineReader::of_text(std::string_view text, int unit, std::string file) {
  LineReader r;
  r.text = text;
  r.single_record = unit == kUnitInternal;
  r.unit = unit;
  r.file = std::move(file);
  return r;
}

bool LineReader::next_line(std::string& line) {
  if (stream != nullptr) {
    if (!std::getline(*stream, line)) return false;
  } else {
    bool at_end = single_record ? pos > text.size() : pos >= text.size();
    if (at_end) return false;
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    line.assign(text.substr(pos, end - pos));
    pos = end + 1;
  }
  // An answer file made on Windows ends its lines in CR LF.
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

void LineReader::require_line(std::string& line) {
  if (!next_line(line)) fail_io(kEndOfFile, unit, file);
}

}  // namespace serigen
