#include "utilities/scratch.h"

#include <cstring>

#include "format/io_error.h"

namespace serigen {

void open_scratch(FileUnit& unit) {
  if (int status = unit.open(); status != 0) {
    fail_io("open error", kUnitScratch, unit.name(), std::strerror(status));
  }
}

}  // namespace serigen
