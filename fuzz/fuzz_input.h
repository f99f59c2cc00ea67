#pragma once
// Shared pieces of the fuzz targets: the input as text, and sources that
// answer requests with parts of it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "web/http_client.h"

namespace kavero::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Splits the input at its first byte 0x01 into two texts, so one input can
// carry a page and a name, or a dictionary and a name. Without that byte the
// second text is empty.
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

// A bookmaker site whose line menu is `menu` and whose every other page is `page`.
class FixedSite : public HttpClient {
 public:
  FixedSite(std::string_view menu, std::string_view page) : menu_(menu), page_(page) {}
  FetchResult Get(const std::string& address) override {
    const bool menu = address.find("bets.php") != std::string::npos;
    return {std::string(menu ? menu_ : page_), true, {}};
  }
  FetchResult PostForm(const std::string&, const std::vector<std::string>&) override { return {}; }
  void Disconnect() override {}

 private:
  std::string_view menu_;
  std::string_view page_;
};

}  // namespace kavero::fuzz
