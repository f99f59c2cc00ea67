#pragma once
// An address cut into what libcurl connects to and the request target that
// goes on the request line.
#include <string>
#include <string_view>

namespace kavero {

struct RequestAddress {
  std::string url;     // scheme (when given) and authority, followed by `target`
  std::string target;  // path and query as written; "/" when the address has none
};

// The target keeps every byte as written ("line_id[]", Windows-1251 letters)
// except those that would break the request line: spaces and control
// characters become "%XX". A fragment is never sent.
RequestAddress SplitRequestAddress(std::string_view address);

// The scheme and authority of the address ("http://host:port"): the server it goes to.
std::string_view OriginOf(std::string_view address);

}  // namespace kavero
