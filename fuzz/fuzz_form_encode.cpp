// Form encoding: every byte must come back when the body is decoded.
#include "fuzz_input.h"
#include "web/form_encode.h"

namespace {

std::string Decode(std::string_view encoded) {
  std::string out;
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    if (encoded[i] == '+') {
      out += ' ';
    } else if (encoded[i] == '%' && i + 2 < encoded.size()) {
      out += static_cast<char>(std::stoi(std::string(encoded.substr(i + 1, 2)), nullptr, 16));
      i += 2;
    } else {
      out += encoded[i];
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto value = kavero::fuzz::AsText(data, size);
  const auto encoded = kavero::FormEncode(value);
  for (char c : encoded) {
    const bool safe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                      c == '+' || c == '%';
    if (!safe) __builtin_trap();
  }
  if (Decode(encoded) != value) __builtin_trap();
  kavero::BuildFormBody({"datas=" + std::string(value), "stext=" + std::string(value)});
  return 0;
}
