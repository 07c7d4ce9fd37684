// Fuzzes the pattern parser with a formatted write and a formatted read.
// Input: the pattern on the first line, the lines to read after it.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "format/io_error.h"
#include "format/pattern.h"

using namespace serigen;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  std::size_t eol = input.find('\n');
  std::string text = input.substr(0, eol);
  std::string lines = eol == std::string::npos ? std::string() : input.substr(eol + 1);
  Pattern pattern("()");
  try {
    pattern = Pattern(text);
  } catch (const std::invalid_argument&) {
    return 0;
  }

  // One item per field of the pattern, of the field's type, its value taken
  // from the input.
  std::vector<std::string> texts;
  std::vector<std::int32_t> integers;
  std::vector<float> reals;
  std::vector<EntryKind> kinds;
  for (const PatternEntry& e : pattern.entries()) {
    if (kinds.size() == 64) break;
    switch (e.kind) {
      case EntryKind::Integer:
        kinds.push_back(e.kind);
        // Unsigned arithmetic wraps; C++20 converts the result modulo 2^32.
        integers.push_back(static_cast<std::int32_t>(static_cast<std::uint32_t>(size) * 2654435761u -
                                                     static_cast<std::uint32_t>(e.width) * 1000u));
        break;
      case EntryKind::Real:
        kinds.push_back(e.kind);
        reals.push_back(static_cast<float>(size) / 7.0f - static_cast<float>(e.decimals) * 3.3f);
        break;
      case EntryKind::Text:
      case EntryKind::TextWidth:
      case EntryKind::TextVarWidth:
        kinds.push_back(EntryKind::Text);
        texts.push_back(lines.substr(0, static_cast<std::size_t>(e.width) % 17));
        break;
      default:
        break;
    }
  }
  // The write takes the values; the read fills the same integers and reals
  // and texts of 8 characters.
  std::vector<OutItem> out_items;
  std::vector<InItem> in_items;
  std::vector<Fixed<8>> in_texts(texts.size());
  std::size_t t = 0, i = 0, r = 0;
  for (EntryKind k : kinds) {
    if (k == EntryKind::Integer) {
      out_items.emplace_back(integers[i]);
      in_items.emplace_back(integers[i++]);
    } else if (k == EntryKind::Real) {
      out_items.emplace_back(reals[r]);
      in_items.emplace_back(reals[r++]);
    } else {
      out_items.emplace_back(texts[t]);
      in_items.emplace_back(in_texts[t++]);
    }
  }
  float cell = static_cast<float>(size % 11);
  std::string out;
  write_formatted(out, "\r\n", pattern, out_items, &cell);
  if (out.size() < 2 || out.compare(out.size() - 2, 2, "\r\n") != 0) __builtin_trap();

  LineReader source = LineReader::of_text(lines, 99, "fuzz");
  try {
    read_formatted(source, pattern, in_items);
  } catch (const IoFailure&) {
  }
  return 0;
}
