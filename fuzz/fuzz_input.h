#pragma once
// Shared pieces of the fuzz targets: the input as text, and a page source
// that answers every request with it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "web/http_client.h"

namespace kavero::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Splits the input at its first NUL-free separator byte 0x01 into two texts,
// so one input can carry a page and a name, or a dictionary and a name.
inline std::pair<std::string_view, std::string_view> SplitInput(std::string_view text) {
  const auto at = text.find('\x01');
  if (at == std::string_view::npos) return {text, {}};
  return {text.substr(0, at), text.substr(at + 1)};
}

class FixedPage : public PageSource {
 public:
  explicit FixedPage(std::string_view page) : page_(page) {}
  FetchResult Get(const std::string&) override { return {std::string(page_), true, {}}; }

 private:
  std::string_view page_;
};

}  // namespace kavero::fuzz
