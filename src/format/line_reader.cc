#include "format/line_reader.h"

#include "format/io_error.h"

namespace serigen {

namespace {

// Like std::getline, but keeps at most one character more than the longest
// line taken, so that a huge line costs no memory.
bool read_bounded_line(std::istream& in, std::string& line) {
  line.clear();
  std::streambuf* buf = in.rdbuf();
  if (buf == nullptr || !in.good()) {
    in.setstate(std::ios::failbit);
    return false;
  }
  bool any = false;
  for (;;) {
    int c = buf->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(any ? std::ios::eofbit : std::ios::eofbit | std::ios::failbit);
      return any;
    }
    any = true;
    if (c == '\n') return true;
    if (line.size() <= kMaxLineLength) line += static_cast<char>(c);
  }
}

}  // namespace

LineReader LineReader::console(std::istream& in, std::size_t* lines_read) {
  LineReader r;
  r.stream = &in;
  r.lines_read = lines_read;
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
    if (!read_bounded_line(*stream, line)) return false;
    if (lines_read != nullptr) ++*lines_read;
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
  if (line.size() > kMaxLineLength) {
    line.resize(kMaxLineLength);
    fail_io(kConversionError, unit, file, "a line longer than " + std::to_string(kMaxLineLength) + " characters");
  }
  return true;
}

void LineReader::require_line(std::string& line) {
  if (!next_line(line)) fail_io(kEndOfFile, unit, file);
}

}  // namespace serigen
