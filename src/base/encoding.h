#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kavero {

// UTF-8 to Windows-1251. Characters that Windows-1251 lacks become "?".
// Returns nothing when the text is not well-formed UTF-8.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

// Windows-1251 to UTF-8, for showing texts; the one undefined byte (0x98)
// becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view text);

// Lower-cases the Latin and Cyrillic letters of a Windows-1251 text.
std::string LowerCp1251(std::string_view text);

}  // namespace kavero
