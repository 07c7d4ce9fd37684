#include "format/io_error.h"

#include <cstdio>

namespace serigen {

void fail_io(const char* kind, int unit, std::string file, std::string detail) {
  throw IoFailure{kind, unit, std::move(file), std::move(detail)};
}

std::string excerpt(std::string_view text) {
  constexpr std::size_t kLongest = 40;
  std::string shown;
  for (std::size_t i = 0; i < text.size() && i < kLongest; ++i) {
    auto c = static_cast<unsigned char>(text[i]);
    if (c < 32 || c == 127) {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02x", c);
      shown += code;
    } else {
      shown += static_cast<char>(c);
    }
  }
  if (text.size() > kLongest) shown += "...";
  return shown;
}

void fail_conversion(int unit, std::string file, std::string_view value, ItemKind kind) {
  std::string detail = "\"";
  detail.append(excerpt(value)).append(kind == ItemKind::Integer ? "\" is not an integer" : "\" is not a number");
  fail_io(kConversionError, unit, std::move(file), std::move(detail));
}

}  // namespace serigen
