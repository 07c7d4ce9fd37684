#include "serigen/scratch.h"

#include <cstring>

#include "format/file_unit.h"
#include "serigen/stop.h"

namespace serigen {

void write_scratch(std::string_view name, std::string_view records) {
  FileUnit unit(kUnitScratch, name);
  if (int status = unit.open(); status != 0) fail_io("open error", kUnitScratch, unit.name(), std::strerror(status));
  unit.put_records(records);
  unit.close();
}

}  // namespace serigen
