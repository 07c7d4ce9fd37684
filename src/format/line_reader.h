// A source of input lines for formatted and list-directed reads: the console
// input stream, or text held in memory (a text target, or a file's contents).
#pragma once

#include <istream>
#include <string>
#include <string_view>

namespace serigen {

// The longest answer line taken; a longer one is a conversion error, and
// what lies beyond this length is passed over without being kept.
inline constexpr std::size_t kMaxLineLength = 4096;

struct LineReader {
  std::istream* stream = nullptr;  // console input, read line by line
  std::size_t* lines_read = nullptr;  // console input: counts the lines taken
  std::string_view text;           // otherwise: the text, split at line feeds
  std::size_t pos = 0;
  bool single_record = false;  // a text target is one line, even when empty
  int unit = 0;
  std::string file;  // name used in error reports

  static LineReader console(std::istream& in, std::size_t* lines_read = nullptr);
  static LineReader of_text(std::string_view text, int unit, std::string file);

  // Next line without its line end (LF, or CR LF); false at end of input.
  bool next_line(std::string& line);
  // Next line, or the end-of-file report.
  void require_line(std::string& line);
};

}  // namespace serigen
