#include "serigen/scratch.h"

#include "format/file_unit.h"
#include "serigen/stop.h"

namespace serigen {

void write_scratch(std::string_view name, std::string_view records) {
  rewrite_in_place(kUnitScratch, name, records);
}

}  // namespace serigen
