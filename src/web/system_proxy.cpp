#include "web/system_proxy.h"

#include <cstdlib>
#include <initializer_list>

#include "base/text_cuts.h"

namespace kavero {
namespace {

// The first of the variables that is set and not empty.
std::string_view Setting(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// "*" lists every host; an entry lists its host and the hosts under it.
bool Listed(std::string_view host, std::string_view list) {
  if (Trim(list) == "*") return true;
  while (!list.empty()) {
    const auto end = list.find_first_of(", ");
    std::string_view entry = list.substr(0, end);
    list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
    if (entry.starts_with('.')) entry.remove_prefix(1);
    if (entry.empty() || entry.size() > host.size()) continue;
    const std::string_view tail = host.substr(host.size() - entry.size());
    const bool at_boundary =
        host.size() == entry.size() || host[host.size() - entry.size() - 1] == '.';
    if (at_boundary && SameLetters(tail, entry)) return true;
  }
  return false;
}

}  // namespace

std::string SystemProxyFor(std::string_view host) {
  const std::string_view proxy = Setting({"http_proxy", "all_proxy", "ALL_PROXY"});
  if (proxy.empty() || Listed(host, Setting({"no_proxy", "NO_PROXY"}))) return {};
  return std::string(proxy);
}

}  // namespace kavero
