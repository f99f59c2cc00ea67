#include "web/request_address.h"

#include <algorithm>

namespace kavero {

namespace {

std::string EscapeLineBreakers(std::string_view target) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  escaped.reserve(target.size());
  for (const char c : target) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte == 0x7F) {
      escaped += '%';
      escaped += kHex[byte >> 4];
      escaped += kHex[byte & 0x0F];
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::size_t TargetStart(std::string_view address) {
  const auto scheme_end = address.find("://");
  const auto authority_start = scheme_end == std::string_view::npos ? 0 : scheme_end + 3;
  return std::min(address.find_first_of("/?#", authority_start), address.size());
}

}  // namespace

RequestAddress SplitRequestAddress(std::string_view address) {
  address = address.substr(0, address.find('#'));
  const auto target_start = TargetStart(address);

  RequestAddress parts;
  parts.target = EscapeLineBreakers(address.substr(target_start));
  if (!parts.target.starts_with('/')) parts.target.insert(0, 1, '/');
  parts.url = std::string(address.substr(0, target_start)) + parts.target;
  return parts;
}

std::string_view OriginOf(std::string_view address) {
  return address.substr(0, TargetStart(address));
}

}  // namespace kavero
