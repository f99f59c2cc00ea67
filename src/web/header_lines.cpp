#include "web/header_lines.h"

#include <strings.h>

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

}  // namespace kavero
