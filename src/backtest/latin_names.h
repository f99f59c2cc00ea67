#pragma once
// Team names of season files: UTF-8, or Windows-1252 in files saved by older tools.
#include <string>
#include <string_view>

namespace kavero {

bool IsUtf8(std::string_view text);

// Windows-1252 to UTF-8; its five undefined bytes become U+FFFD.
std::string Cp1252ToUtf8(std::string_view text);

}  // namespace kavero
