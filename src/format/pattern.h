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
// The parser is constexpr: a pattern held in a constexpr variable is checked
// by the compiler, and a malformed one does not compile (as a format string
// of fmt does not). A pattern parsed at run time throws
// std::invalid_argument instead; its literals point into the text it was
// parsed from, which must outlive it.
//
// The typed writes and reads below take the pattern as a template argument
// and check at compile time that every item has the type of the field it
// meets: text for A, integer for I, real for F.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

#include "format/items.h"
#include "format/line_reader.h"

namespace serigen {

enum class EntryKind : std::uint8_t { Literal, Text, TextWidth, TextVarWidth, Integer, Real, Skip, LineEnd };

struct PatternEntry {
  EntryKind kind = EntryKind::Literal;
  char quote = 0;  // a literal's delimiter; doubled inside, it stands for one
  std::int16_t width = 0;
  std::int16_t decimals = 0;
  std::string_view literal;  // as it stands between its delimiters
};

constexpr bool is_field(EntryKind k) {
  return k == EntryKind::Text || k == EntryKind::TextWidth || k == EntryKind::TextVarWidth ||
         k == EntryKind::Integer || k == EntryKind::Real;
}

class Pattern {
 public:
  // Bounds that keep a malformed pattern from asking for absurd amounts of
  // work; every pattern of a program stays far below them.
  static constexpr int kMaxNumber = 4096;
  static constexpr std::size_t kMaxEntries = 64;

  constexpr explicit Pattern(std::string_view text) : text_(text) {
    skip_blanks();
    if (peek() != '(') bad("( expected");
    ++pos_;
    list(0);
    skip_blanks();
    if (!at_end()) bad("text after the closing )");
    for (std::size_t k = 0; k < size_; ++k) has_fields_ = has_fields_ || is_field(entries_[k].kind);
  }

  constexpr std::span<const PatternEntry> entries() const { return {entries_.data(), size_}; }
  constexpr bool has_fields() const { return has_fields_; }

 private:
  [[noreturn]] void bad(const char* what) const {
    // Reached while a constexpr pattern is checked, this throw is what makes
    // the compiler reject it.
    throw std::invalid_argument("pattern " + std::string(text_) + ": " + what + " at column " +
                                std::to_string(pos_ + 1));
  }
  constexpr bool at_end() const { return pos_ >= text_.size(); }
  constexpr char peek() const { return at_end() ? '\0' : text_[pos_]; }
  static constexpr bool digit(char c) { return c >= '0' && c <= '9'; }
  constexpr void skip_blanks() {
    while (!at_end() && text_[pos_] == ' ') ++pos_;
  }
  constexpr int number() {
    if (!digit(peek())) bad("number expected");
    int n = 0;
    while (digit(peek())) {
      n = n * 10 + (text_[pos_++] - '0');
      if (n > kMaxNumber) bad("number too large");
    }
    return n;
  }
  constexpr std::int16_t width() {
    int n = number();
    if (n == 0) bad("width of 0");
    return static_cast<std::int16_t>(n);
  }
  constexpr void add(const PatternEntry& e) {
    if (size_ == kMaxEntries) bad("too many entries");
    entries_[size_++] = e;
  }
  constexpr PatternEntry literal() {
    char quote = text_[pos_++];
    std::size_t from = pos_;
    for (;;) {
      if (at_end()) bad("unterminated literal");
      if (text_[pos_++] == quote) {
        if (peek() != quote) break;
        ++pos_;  // a doubled delimiter stands for one
      }
    }
    return {EntryKind::Literal, quote, 0, 0, text_.substr(from, pos_ - 1 - from)};
  }

  // Entries up to and including the closing parenthesis of the current list.
  constexpr void list(int depth) {
    for (;;) {
      skip_blanks();
      if (at_end()) bad("missing )");
      char c = peek();
      if (c == ')') {
        ++pos_;
        return;
      }
      if (c == ',') {
        ++pos_;
        continue;
      }
      int count = 1;
      bool counted = digit(c);
      if (counted) {
        count = width();
        skip_blanks();
      }
      std::size_t first = size_;
      switch (peek()) {
        case '\'':
        case '"':
          if (counted) bad("repeat count before a literal");
          add(literal());
          break;
        case 'A':
        case 'a':
          ++pos_;
          if (digit(peek())) {
            add({EntryKind::TextWidth, 0, width(), 0, {}});
          } else if (peek() == '{') {
            while (!at_end() && text_[pos_] != '}') ++pos_;
            if (at_end()) bad("unterminated {");
            ++pos_;
            add({EntryKind::TextVarWidth, 0, 0, 0, {}});
          } else {
            add({EntryKind::Text, 0, 0, 0, {}});
          }
          break;
        case 'I':
        case 'i':
          ++pos_;
          add({EntryKind::Integer, 0, width(), 0, {}});
          break;
        case 'F':
        case 'f': {
          ++pos_;
          std::int16_t w = width();
          if (peek() != '.') bad(". expected");
          ++pos_;
          add({EntryKind::Real, 0, w, static_cast<std::int16_t>(number()), {}});
          break;
        }
        case 'X':
        case 'x':
          ++pos_;
          add({EntryKind::Skip, 0, static_cast<std::int16_t>(count), 0, {}});
          count = 1;  // the count of nX is its width
          break;
        case '/':
          ++pos_;
          add({EntryKind::LineEnd, 0, 0, 0, {}});
          break;
        case '(':
          ++pos_;
          if (depth > 0) bad("group inside a group");
          list(depth + 1);
          break;
        default:
          bad("unknown entry");
      }
      std::size_t last = size_;
      for (int k = 1; k < count; ++k) {
        for (std::size_t e = first; e < last; ++e) add(entries_[e]);
      }
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::array<PatternEntry, kMaxEntries> entries_{};
  std::size_t size_ = 0;
  bool has_fields_ = false;
};

// Whether items of the given kinds, in order, each meet a field of their own
// kind under the pattern's control (a pattern whose closing parenthesis is
// reached with items left starts again from its beginning).
constexpr bool items_fit(const Pattern& pattern, std::span<const ItemKind> kinds) {
  if (kinds.empty()) return true;
  if (!pattern.has_fields()) return false;
  std::size_t next = 0;
  for (;;) {
    for (const PatternEntry& e : pattern.entries()) {
      if (!is_field(e.kind)) continue;
      if (next == kinds.size()) return true;
      ItemKind want = e.kind == EntryKind::Integer ? ItemKind::Integer
                      : e.kind == EntryKind::Real  ? ItemKind::Real
                                                   : ItemKind::Text;
      if (kinds[next++] != want) return false;
    }
    if (next == kinds.size()) return true;
  }
}

// Formatted write: appends the lines to `out`, each ended by `eol`.
// `width_cell` is the value read by A{n} fields (its integer part). Items
// that do not fit their fields throw std::logic_error.
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

// The value of A{n} fields in a typed write.
struct FieldWidth {
  float cell;
};

// Typed writes and reads: the items' types are checked against the pattern's
// fields when the program is compiled.
template <const Pattern& P, class... Items>
void write_checked(std::string& out, std::string_view eol, const Items&... items) {
  static_assert(items_fit(P, std::array<ItemKind, sizeof...(Items)>{item_kind<Items>()...}),
                "the items do not match the fields of the pattern");
  write_formatted(out, eol, P, {OutItem(items)...});
}
template <const Pattern& P, class... Items>
void write_checked(std::string& out, std::string_view eol, FieldWidth width, const Items&... items) {
  static_assert(items_fit(P, std::array<ItemKind, sizeof...(Items)>{item_kind<Items>()...}),
                "the items do not match the fields of the pattern");
  write_formatted(out, eol, P, {OutItem(items)...}, &width.cell);
}
template <const Pattern& P, class... Items>
void read_checked(LineReader& source, Items&... items) {
  static_assert(items_fit(P, std::array<ItemKind, sizeof...(Items)>{item_kind<Items>()...}),
                "the items do not match the fields of the pattern");
  read_formatted(source, P, {InItem(items)...});
}

// Field conversions, exposed for the list-directed rules and for tests.
void put_integer(std::string& out, std::int32_t value, int width);
void put_real(std::string& out, float value, int width, int decimals);
// Numeric fields of a formatted read; false when the text cannot be converted.
bool parse_integer_field(std::string_view field, std::int32_t& value);
bool parse_real_field(std::string_view field, int decimals, float& value);

}  // namespace serigen
