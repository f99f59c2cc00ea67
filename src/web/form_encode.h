#pragma once
// The urlencoded form body that the client posts.
#include <string>
#include <string_view>
#include <vector>

namespace kavero {

// Letters and digits stay, a space becomes "+", every other byte "%XX" (upper-case hex).
std::string FormEncode(std::string_view value);

// `fields` are "name=value" lines. Values are encoded, names are not; with two
// or more lines each is followed by "&". The body is trimmed at both ends.
std::string BuildFormBody(const std::vector<std::string>& fields);

}  // namespace kavero
