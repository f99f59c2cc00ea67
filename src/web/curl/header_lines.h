#pragma once
// Reading the header lines that libcurl hands to a header callback.
#include <chrono>
#include <ctime>
#include <optional>
#include <string_view>

namespace kavero {

// The status of an "HTTP/x y ..." line; 0 for any other line.
int StatusCodeOf(std::string_view line);
// Whether the line is the header `name` (letter case ignored), e.g. "Location".
bool IsHeader(std::string_view line, std::string_view name);
// The empty line that ends a block of headers.
bool EndsHeaders(std::string_view line);
// The value of a header line: the text after its ":", without the spaces and
// line break around it.
std::string_view HeaderValue(std::string_view line);
// The wait a "Retry-After" value asks for: whole seconds, or an HTTP date
// (a date already past asks for none); unset when it is neither.
std::optional<std::chrono::seconds> RetryAfterOf(std::string_view value, std::time_t now);

}  // namespace kavero
