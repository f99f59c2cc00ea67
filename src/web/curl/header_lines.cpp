#include "web/curl/header_lines.h"

#include <curl/curl.h>
#include <strings.h>

#include <algorithm>
#include <charconv>
#include <string>

namespace kavero {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

int StatusCodeOf(std::string_view line) {
  if (!line.starts_with("HTTP/")) return 0;
  const auto space = line.find(' ');
  if (space == std::string_view::npos || line.size() < space + 4) return 0;
  const auto code = line.substr(space + 1, 3);
  if (!IsDigit(code[0]) || !IsDigit(code[1]) || !IsDigit(code[2])) return 0;
  return (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
}

bool IsHeader(std::string_view line, std::string_view name) {
  return line.size() > name.size() && line[name.size()] == ':' &&
         strncasecmp(line.data(), name.data(), name.size()) == 0;
}

bool EndsHeaders(std::string_view line) {
  return line == "\r\n" || line == "\n";
}

std::string_view HeaderValue(std::string_view line) {
  line.remove_prefix(std::min(line.size(), line.find(':') + 1));
  const auto first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = line.find_last_not_of(" \t\r\n");
  return line.substr(first, last - first + 1);
}

std::optional<std::chrono::seconds> RetryAfterOf(std::string_view value, std::time_t now) {
  if (value.empty()) return std::nullopt;
  if (std::all_of(value.begin(), value.end(), IsDigit)) {
    long long seconds = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seconds);
    // Too many digits to hold is a wait far too long all the same.
    if (error != std::errc{}) return std::chrono::seconds::max();
    return std::chrono::seconds(seconds);
  }
  const std::time_t date = curl_getdate(std::string(value).c_str(), nullptr);
  if (date == -1) return std::nullopt;
  return std::chrono::seconds(std::max<std::time_t>(0, date - now));
}

}  // namespace kavero
