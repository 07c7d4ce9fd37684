// List-directed (free-form) records: console messages and the chain list on
// output, the answers of the questionnaire on input.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "format/items.h"
#include "format/line_reader.h"

namespace serigen {

inline constexpr std::size_t kListLineWidth = 80;
inline constexpr int kListIntegerWidth = 12;

// Appends one record: a leading blank, then the items back to back. An item
// that does not fit in 80 columns continues on a new line, again after one
// blank. A write with no items gives a line with no characters.
void write_list(std::string& out, std::string_view eol, std::span<const OutItem> items);

// Reads values separated by blanks, commas or line ends into the items.
// Empty lines are passed over; a slash ends the read; a null value (two
// commas, or a leading comma) leaves its item as it was. The rest of the last
// line read is skipped.
void read_list(LineReader& source, std::span<const InItem> items);

inline void write_list(std::string& out, std::string_view eol, std::initializer_list<OutItem> items) {
  write_list(out, eol, std::span<const OutItem>(items.begin(), items.size()));
}
inline void read_list(LineReader& source, std::initializer_list<InItem> items) {
  read_list(source, std::span<const InItem>(items.begin(), items.size()));
}

}  // namespace serigen
