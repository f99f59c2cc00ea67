#pragma once
// Reading the header lines that libcurl hands to a header callback.
#include <string_view>

namespace kavero {

// The status of an "HTTP/x y ..." line; 0 for any other line.
int StatusCodeOf(std::string_view line);
// Whether the line is the header `name` (letter case ignored), e.g. "Location".
bool IsHeader(std::string_view line, std::string_view name);
// The empty line that ends a block of headers.
bool EndsHeaders(std::string_view line);

}  // namespace kavero
