#include "format/io_error.h"

namespace serigen {

void fail_io(const char* kind, int unit, std::string file, std::string detail) {
  throw IoFailure{kind, unit, std::move(file), std::move(detail)};
}

void fail_conversion(int unit, std::string file, std::string_view value, ItemKind kind) {
  std::string detail = "\"";
  detail.append(value).append(kind == ItemKind::Integer ? "\" is not an integer" : "\" is not a number");
  fail_io(kConversionError, unit, std::move(file), std::move(detail));
}

}  // namespace serigen
