#pragma once
// Reading an application/x-www-form-urlencoded body.
#include <optional>
#include <string>
#include <string_view>

namespace kavero::demo {

// The decoded value of the first field called `name` ("+" is a space, "%XX" a
// byte; a "%" without two hex digits stays as it is); nothing when absent.
std::optional<std::string> FormField(std::string_view body, std::string_view name);

}  // namespace kavero::demo
