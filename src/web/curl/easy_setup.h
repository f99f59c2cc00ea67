#pragma once
// The settings every request of the client carries, kept in one place so that
// other transfer drivers (a multi handle, say) send exactly the same requests.
#include <curl/curl.h>

#include <chrono>
#include <cstddef>
#include <string>

#include "web/curl/curl_handles.h"
#include "web/http_client.h"

namespace kavero {

inline constexpr const char* kClientUserAgent = "Mozilla/3.0 (compatible; Indy Library)";

// Fixed settings: user agent, in-memory cookies, plain http only, no proxy,
// no redirects, one connection kept alive, the limits.
void ConfigureEasyHandle(CURL* handle, const HttpLimits& limits);

// Header lines of a GET and of a form POST; they must outlive the transfer.
HeaderList GetHeaders();
HeaderList PostHeaders();

// Scheme, host and port that libcurl connects to for `address` (port 80 when
// it names none); all empty when libcurl cannot read them.
struct Endpoint {
  std::string scheme;
  std::string host;
  std::string port;
  bool operator==(const Endpoint&) const = default;
};
Endpoint EndpointOf(const std::string& address);

// Points a handle at `address`: the request target travels exactly as
// SplitRequestAddress makes it, whatever else the transfer is; through a proxy
// (`through_proxy`), after the scheme and authority as the address gives them.
void SetRequestAddress(CURL* handle, const std::string& address, bool through_proxy = false);

// Turns a configured handle into a GET or a POST of `address`. The request
// target travels exactly as written. `body` must outlive the transfer.
void PrepareGet(CURL* handle, const std::string& address, curl_slist* headers);
void PreparePost(CURL* handle, const std::string& address, const std::string& body,
                 curl_slist* headers);

}  // namespace kavero
