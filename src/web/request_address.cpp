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

// Where the authority begins: after "scheme://" when the address opens with a
// scheme of its own, else at once ("://" further on, in a query, is no scheme).
std::size_t AuthorityStart(std::string_view address) {
  const auto scheme_end = address.find("://");
  if (scheme_end == std::string_view::npos || scheme_end == 0) return 0;
  const auto is_alpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  const auto scheme = address.substr(0, scheme_end);
  if (!is_alpha(scheme.front())) return 0;
  for (const char c : scheme) {
    if (!is_alpha(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return 0;
  }
  return scheme_end + 3;
}

// Where the request target begins: at the first "/", "?" or "#" after the authority.
std::size_t TargetStart(std::string_view address) {
  return std::min(address.find_first_of("/?#", AuthorityStart(address)), address.size());
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
