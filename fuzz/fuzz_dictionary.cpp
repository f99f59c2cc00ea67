// The two name dictionaries. Input: dictionary, byte 0x01, name.
#include "fuzz_input.h"
#include "line/name_translation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto [dictionary, name] = kavero::fuzz::SplitInput(kavero::fuzz::AsText(data, size));
  kavero::TranslateTeam(dictionary, name);
  kavero::TranslateChampionship(dictionary, name);
  return 0;
}
