#include "format/pattern.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

#include "format/io_error.h"

namespace serigen {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// A literal as written: a doubled delimiter inside it stands for one.
void put_literal(std::string& out, const PatternEntry& e) {
  if (e.literal.find(e.quote) == std::string_view::npos) {
    out.append(e.literal);
    return;
  }
  for (std::size_t k = 0; k < e.literal.size(); ++k) {
    out += e.literal[k];
    if (e.literal[k] == e.quote) ++k;
  }
}

std::size_t literal_width(const PatternEntry& e) {
  std::size_t n = 0;
  for (std::size_t k = 0; k < e.literal.size(); ++k, ++n) {
    if (e.literal[k] == e.quote) ++k;
  }
  return n;
}

int var_width(const float* cell) {
  if (cell == nullptr || !(*cell >= 0.0f)) return 0;  // also catches NaN
  if (*cell >= static_cast<float>(Pattern::kMaxNumber)) return Pattern::kMaxNumber;
  return static_cast<int>(*cell);
}

[[noreturn]] void wrong_item(const PatternEntry&) {
  throw std::logic_error("item does not match the type of its field");
}

void put_text(std::string& out, std::string_view text, int width) {
  auto w = static_cast<std::size_t>(width);
  if (w <= text.size()) {
    out.append(text.substr(0, w));
  } else {
    out.append(w - text.size(), ' ');
    out.append(text);
  }
}

void put_field(std::string& out, const PatternEntry& e, const OutItem& item, const float* cell) {
  switch (e.kind) {
    case EntryKind::Text:
      if (item.kind != ItemKind::Text) wrong_item(e);
      out.append(item.text);
      return;
    case EntryKind::TextWidth:
    case EntryKind::TextVarWidth:
      if (item.kind != ItemKind::Text) wrong_item(e);
      put_text(out, item.text, e.kind == EntryKind::TextWidth ? e.width : var_width(cell));
      return;
    case EntryKind::Integer:
      if (item.kind != ItemKind::Integer) wrong_item(e);
      put_integer(out, item.integer, e.width);
      return;
    case EntryKind::Real:
      if (item.kind != ItemKind::Real) wrong_item(e);
      put_real(out, item.real, e.width, e.decimals);
      return;
    default:
      return;
  }
}

// Column `c` of a line that reads as if filled with blanks on the right.
char column(std::string_view line, std::size_t c) { return c < line.size() ? line[c] : ' '; }

std::string_view field_view(std::string_view line, std::size_t col, std::size_t width) {
  if (col >= line.size()) return {};
  return line.substr(col, width);
}

// Columns a field takes on input: a text field without a width of its own
// is as wide as its item.
std::size_t read_width(const PatternEntry& e, const InItem& item) {
  if (e.kind == EntryKind::Text || e.kind == EntryKind::TextVarWidth) return item.length;
  return static_cast<std::size_t>(e.width);
}

void read_field(const LineReader& source, std::string_view line, std::size_t col, std::size_t width,
                const PatternEntry& e, const InItem& item) {
  switch (item.kind) {
    case ItemKind::Text:
      if (e.kind == EntryKind::Integer || e.kind == EntryKind::Real) wrong_item(e);
      if (width >= item.length) {
        // The last `length` characters of the field.
        std::size_t from = col + width - item.length;
        for (std::size_t k = 0; k < item.length; ++k) item.text[k] = column(line, from + k);
      } else {
        for (std::size_t k = 0; k < item.length; ++k) item.text[k] = k < width ? column(line, col + k) : ' ';
      }
      return;
    case ItemKind::Integer:
      if (e.kind != EntryKind::Integer) wrong_item(e);
      if (!parse_integer_field(field_view(line, col, width), *item.integer)) {
        fail_conversion(source.unit, source.file, field_view(line, col, width), item.kind);
      }
      return;
    case ItemKind::Real:
      if (e.kind != EntryKind::Real) wrong_item(e);
      if (!parse_real_field(field_view(line, col, width), e.decimals, *item.real)) {
        fail_conversion(source.unit, source.file, field_view(line, col, width), item.kind);
      }
      return;
  }
}

}  // namespace

void write_formatted(std::string& out, std::string_view eol, const Pattern& pattern, std::span<const OutItem> items,
                     const float* width_cell) {
  if (!items.empty() && !pattern.has_fields()) throw std::logic_error("pattern has no field for its items");
  std::size_t next = 0;
  std::size_t skip = 0;  // columns passed over, written as blanks if anything follows
  for (;;) {
    for (const PatternEntry& e : pattern.entries()) {
      switch (e.kind) {
        case EntryKind::Literal:
          out.append(skip, ' ');
          skip = 0;
          put_literal(out, e);
          break;
        case EntryKind::Skip:
          skip += static_cast<std::size_t>(e.width);
          break;
        case EntryKind::LineEnd:
          out.append(eol);
          skip = 0;
          break;
        default:
          if (next == items.size()) {
            out.append(eol);
            return;
          }
          out.append(skip, ' ');
          skip = 0;
          put_field(out, e, items[next++], width_cell);
      }
    }
    out.append(eol);
    if (next == items.size()) return;
    skip = 0;  // items remain: the pattern is used again on a new line
  }
}

void read_formatted(LineReader& source, const Pattern& pattern, std::span<const InItem> items) {
  if (!items.empty() && !pattern.has_fields()) throw std::logic_error("pattern has no field for its items");
  std::string line;
  source.require_line(line);
  std::size_t col = 0;
  std::size_t next = 0;
  for (;;) {
    for (const PatternEntry& e : pattern.entries()) {
      switch (e.kind) {
        case EntryKind::Literal:
          col += literal_width(e);
          break;
        case EntryKind::Skip:
          col += static_cast<std::size_t>(e.width);
          break;
        case EntryKind::LineEnd:
          source.require_line(line);
          col = 0;
          break;
        default: {
          if (next == items.size()) return;
          const InItem& item = items[next++];
          std::size_t width = read_width(e, item);
          read_field(source, line, col, width, e, item);
          col += width;
        }
      }
    }
    if (next == items.size()) return;
    source.require_line(line);
    col = 0;
  }
}

void put_integer(std::string& out, std::int32_t value, int width) {
  char buf[16];
  auto r = std::to_chars(buf, buf + sizeof buf, value);
  auto len = static_cast<std::size_t>(r.ptr - buf);
  auto w = static_cast<std::size_t>(width);
  if (len > w) {
    out.append(w, '*');
  } else {
    out.append(w - len, ' ');
    out.append(buf, len);
  }
}

void put_real(std::string& out, float value, int width, int decimals) {
  auto w = static_cast<std::size_t>(width);
  if (!std::isfinite(value)) {
    out.append(w, '*');
    return;
  }
  // The value is rounded to `decimals` first; only then is the width tested.
  std::string s(64 + static_cast<std::size_t>(decimals), '\0');
  auto r = std::to_chars(s.data(), s.data() + s.size(), static_cast<double>(value), std::chars_format::fixed, decimals);
  s.resize(static_cast<std::size_t>(r.ptr - s.data()));
  if (decimals == 0) s += '.';
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);  // no "-0.00"
  if (s.size() > w) {
    // A zero before the point stands only where the field has room for it.
    std::size_t lead = s[0] == '-' ? 1 : 0;
    if (s.compare(lead, 2, "0.") == 0) s.erase(lead, 1);
  }
  if (s.size() > w) {
    out.append(w, '*');
  } else {
    out.append(w - s.size(), ' ');
    out.append(s);
  }
}

bool parse_integer_field(std::string_view field, std::int32_t& value) {
  std::int64_t v = 0;
  bool negative = false;
  bool sign_seen = false;
  bool digit_seen = false;
  for (char c : field) {
    if (c == ' ') continue;  // blanks anywhere in the field are ignored
    if ((c == '+' || c == '-') && !sign_seen && !digit_seen) {
      sign_seen = true;
      negative = c == '-';
    } else if (is_digit(c)) {
      digit_seen = true;
      v = v * 10 + (c - '0');
      if (v > std::int64_t{INT32_MAX} + 1) return false;
    } else {
      return false;
    }
  }
  if (sign_seen && !digit_seen) return false;
  if (negative) v = -v;
  if (v > INT32_MAX || v < INT32_MIN) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

bool parse_real_field(std::string_view field, int decimals, float& value) {
  std::string s;
  for (char c : field) {
    if (c != ' ') s += c;  // blanks are ignored
  }
  if (s.empty()) {
    value = 0.0f;
    return true;
  }
  std::size_t i = 0;
  bool negative = false;
  if (s[i] == '+' || s[i] == '-') negative = s[i++] == '-';
  std::string digits;
  bool point = false;
  std::size_t decimals_typed = 0;
  for (; i < s.size() && (is_digit(s[i]) || s[i] == '.'); ++i) {
    if (s[i] == '.') {
      if (point) return false;
      point = true;
    } else {
      digits += s[i];
      if (point) ++decimals_typed;
    }
  }
  if (digits.empty()) return false;
  long exponent = 0;
  if (i < s.size()) {
    char e = s[i++];
    if (e != 'E' && e != 'e' && e != 'D' && e != 'd') return false;
    bool exp_negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) exp_negative = s[i++] == '-';
    if (i == s.size()) return false;
    for (; i < s.size(); ++i) {
      if (!is_digit(s[i])) return false;
      if (exponent < 100000) exponent = exponent * 10 + (s[i] - '0');
    }
    if (exp_negative) exponent = -exponent;
  }
  // Without a typed point the last `decimals` digits are the decimals.
  long scale = exponent - static_cast<long>(point ? decimals_typed : static_cast<std::size_t>(decimals));
  std::string normal = (negative ? "-" : "") + digits + "e" + std::to_string(scale);
  float v = 0.0f;
  auto r = std::from_chars(normal.data(), normal.data() + normal.size(), v);
  if (r.ec == std::errc::result_out_of_range) {
    if (scale > 0) return false;  // too large for a real
    v = negative ? -0.0f : 0.0f;  // too small: it reads as zero
  } else if (r.ec != std::errc()) {
    return false;
  }
  value = v;
  return true;
}

}  // namespace serigen
