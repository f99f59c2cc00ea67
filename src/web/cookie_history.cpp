#include "web/cookie_history.h"

#include <algorithm>

namespace kavero {

CookieStamp CookieHistory::Note(std::string_view origin, const std::vector<std::string>& cookies,
                                int sent) {
  CookieStamp stamp{.sent = sent};
  for (const std::string& cookie : cookies) {
    const auto equals = std::min(cookie.find('='), cookie.size());
    std::string key = std::string(origin) + ' ' + cookie.substr(0, equals);
    std::string value = cookie.substr(equals);
    auto [it, added] = known_.try_emplace(std::move(key));
    if (added || it->second.value != value) it->second = {std::move(value), ++generation_};
    // A value already known when the request went out travelled with it.
    if (it->second.generation > sent) stamp.set = std::max(stamp.set, it->second.generation);
  }
  return stamp;
}

}  // namespace kavero
