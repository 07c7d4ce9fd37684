// Fuzzes the list-directed reader. The first byte chooses the items' types.
#include <cstdint>
#include <string>
#include <vector>

#include "format/io_error.h"
#include "format/list_directed.h"

using namespace serigen;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  unsigned kinds = data[0];
  std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::int32_t integers[4] = {};
  float reals[4] = {};
  Fixed<8> texts[4];
  std::vector<InItem> items;
  for (int k = 0; k < 4; ++k) {
    switch ((kinds >> (2 * k)) & 3u) {
      case 0:
        items.emplace_back(integers[k]);
        break;
      case 1:
        items.emplace_back(reals[k]);
        break;
      default:
        items.emplace_back(texts[k]);
        break;
    }
  }
  LineReader source = LineReader::of_text(input, kUnitConsoleIn, "console input");
  try {
    read_list(source, items);
  } catch (const IoFailure&) {
  }
  std::string out;
  write_list(out, "\n", {texts[0], integers[1], reals[2]});
  return 0;
}
