// Record patterns: the fixed-column layout of a line, written as a list of
// entries in parentheses, e.g. "(A4,1X,3(A2,1X))" or "('event\',A8,'.evt')".
//
//   'text'  literal text          A     text field as wide as its item
//   Aw      text field, w columns  A{n}  text field whose width is read from
//   Iw      integer field                a value when the field is reached
//   Fw.d    real field, d decimals nX    n columns skipped
//   /       end of line            kE, k(...)  entry or group repeated k times
//
// A pattern is parsed once into a flat list of entries (repeats unrolled).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "format/items.h"
#include "format/line_reader.h"

namespace serigen {

enum class EntryKind { Literal, Text, TextWidth, TextVarWidth, Integer, Real, Skip, LineEnd };

struct PatternEntry {
  EntryKind kind;
  int width = 0;
  int decimals = 0;
  std::string literal;
};

struct Pattern {
  std::vector<PatternEntry> entries;
  bool has_fields = false;

  // Throws std::invalid_argument for a malformed pattern.
  explicit Pattern(std::string_view text);
};

// Formatted write: appends the lines to `out`, each ended by `eol`.
// `width_cell` is the value read by A{n} fields (its integer part).
void write_formatted(std::string& out, std::string_view eol, const Pattern& pattern, std::span<const OutItem> items,
                     const float* width_cell = nullptr);

// Formatted read: takes lines from `source` into the items.
void read_formatted(LineReader& source, const Pattern& pattern, std::span<const InItem> items);

inline void write_formatted(std::string& out, std::string_view eol, const Pattern& pattern,
                            std::initializer_list<OutItem> items, const float* width_cell = nullptr) {
  write_formatted(out, eol, pattern, std::span<const OutItem>(items.begin(), items.size()), width_cell);
}
inline void read_formatted(LineReader& source, const Pattern& pattern, std::initializer_list<InItem> items) {
  read_formatted(source, pattern, std::span<const InItem>(items.begin(), items.size()));
}

// Field conversions, exposed for the list-directed rules and for tests.
void put_integer(std::string& out, std::int32_t value, int width);
void put_real(std::string& out, float value, int width, int decimals);
// Numeric fields of a formatted read; false when the text cannot be converted.
bool parse_integer_field(std::string_view field, std::int32_t& value);
bool parse_real_field(std::string_view field, int decimals, float& value);

}  // namespace serigen
