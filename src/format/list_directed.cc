#include "format/list_directed.h"

#include <charconv>

#include "format/io_error.h"
#include "format/pattern.h"

namespace serigen {

void write_list(std::string& out, std::string_view eol, std::span<const OutItem> items) {
  if (items.empty()) {
    out.append(eol);
    return;
  }
  out += ' ';
  std::size_t col = 1;
  std::string number;
  for (const OutItem& item : items) {
    std::string_view text = item.text;
    if (item.kind != ItemKind::Text) {
      number.clear();
      if (item.kind == ItemKind::Integer) {
        put_integer(number, item.integer, kListIntegerWidth);
      } else {
        char buf[32];
        auto r = std::to_chars(buf, buf + sizeof buf, item.real);
        number += ' ';
        number.append(buf, static_cast<std::size_t>(r.ptr - buf));
      }
      text = number;
    }
    if (col > 1 && col + text.size() > kListLineWidth) {
      out.append(eol);
      out += ' ';
      col = 1;
    }
    while (col + text.size() > kListLineWidth) {
      std::size_t n = kListLineWidth - col;
      out.append(text.substr(0, n));
      text.remove_prefix(n);
      out.append(eol);
      out += ' ';
      col = 1;
    }
    out.append(text);
    col += text.size();
  }
  out.append(eol);
}

namespace {

bool ends_value(char c) { return c == ' ' || c == ',' || c == '/'; }

struct ListScanner {
  LineReader& source;
  std::string line;
  std::size_t pos = 0;
  bool have_line = false;

  // Next line when the current one is used up; false when none is needed.
  void fetch() {
    source.require_line(line);
    pos = 0;
    have_line = true;
  }

  // A value enclosed in apostrophes or quotation marks; a doubled delimiter
  // stands for one, and the value may continue on the next line.
  std::string quoted() {
    char delim = line[pos++];
    std::string value;
    for (;;) {
      if (pos >= line.size()) {
        fetch();
        continue;
      }
      char c = line[pos++];
      if (c == delim) {
        if (pos < line.size() && line[pos] == delim) {
          ++pos;
        } else {
          return value;
        }
      }
      value += c;
    }
  }

  std::string_view unquoted() {
    std::size_t start = pos;
    while (pos < line.size() && !ends_value(line[pos])) ++pos;
    return std::string_view(line).substr(start, pos - start);
  }
};

void store(const LineReader& source, const InItem& item, std::string_view value, bool was_quoted) {
  switch (item.kind) {
    case ItemKind::Text:
      store_text(item, value);
      return;
    case ItemKind::Integer:
      if (was_quoted || !parse_integer_field(value, *item.integer)) {
        fail_conversion(source.unit, source.file, value, item.kind);
      }
      return;
    case ItemKind::Real:
      if (was_quoted || !parse_real_field(value, 0, *item.real)) {
        fail_conversion(source.unit, source.file, value, item.kind);
      }
      return;
  }
}

}  // namespace

void read_list(LineReader& source, std::span<const InItem> items) {
  ListScanner in{source, {}, 0, false};
  // After a value the next comma is its separator; any further comma, or a
  // comma before the first value, stands for a null value.
  bool comma_separates = false;
  std::size_t next = 0;
  while (next < items.size()) {
    if (!in.have_line || in.pos >= in.line.size()) {
      in.fetch();
      continue;
    }
    char c = in.line[in.pos];
    if (c == ' ') {
      ++in.pos;
    } else if (c == '/') {
      return;  // the items not read keep their values
    } else if (c == ',') {
      ++in.pos;
      if (comma_separates) {
        comma_separates = false;
      } else {
        ++next;  // null value
      }
    } else if (c == '\'' || c == '"') {
      std::string value = in.quoted();
      store(source, items[next++], value, true);
      comma_separates = true;
    } else {
      store(source, items[next++], in.unquoted(), false);
      comma_separates = true;
    }
  }
}

}  // namespace serigen
