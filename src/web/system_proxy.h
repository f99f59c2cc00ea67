#pragma once
// The proxy the system's settings name for a plain-http host: the variables
// http_proxy, then all_proxy or ALL_PROXY, unless no_proxy or NO_PROXY lists
// the host.
#include <string>
#include <string_view>

namespace kavero {

// The proxy's address, or empty text for a direct connection.
std::string SystemProxyFor(std::string_view host);

}  // namespace kavero
