// The betting line's second page: section cutting and every championship table.
#include "fuzz_input.h"
#include "line/line_download.h"
#include "line/line_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto text = kavero::fuzz::AsText(data, size);
  kavero::Gauge gauge;
  kavero::RunHooks hooks{&gauge, {}};
  kavero::ParseLinePage(text, hooks);
  kavero::ParseLineTable(text, "x");
  return 0;
}
