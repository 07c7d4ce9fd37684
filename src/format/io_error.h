// Input/output failures of formatted and list-directed records: a read that
// meets the end of its input or text it cannot convert, and a write the
// system refuses. They unwind to the program, which reports them.
#pragma once

#include <string>
#include <string_view>

#include "format/items.h"

namespace serigen {

// Units of the console and of text targets, as named in failures; the units
// of files are the program's to choose.
inline constexpr int kUnitInternal = -1;  // a text target
inline constexpr int kUnitConsoleIn = 5;
inline constexpr int kUnitConsoleOut = 6;

// Kinds of input/output failure.
inline constexpr const char* kConversionError = "input conversion error";
inline constexpr const char* kEndOfFile = "end-of-file during read";
inline constexpr const char* kWriteError = "write error";

struct IoFailure {
  std::string kind;
  int unit;
  std::string file;
  std::string detail;  // what was being read, when that helps the user
};

[[noreturn]] void fail_io(const char* kind, int unit, std::string file, std::string detail = {});

// At most the first 40 characters of a text, control characters shown as
// \xNN, for quoting an answer in a report.
std::string excerpt(std::string_view text);

// A value that cannot be read as the item's kind, quoted in the detail.
[[noreturn]] void fail_conversion(int unit, std::string file, std::string_view value, ItemKind kind);

}  // namespace serigen
