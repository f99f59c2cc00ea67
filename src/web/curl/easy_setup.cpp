#include "web/curl/easy_setup.h"

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <utility>

#include "web/request_address.h"

namespace kavero {

void ConfigureEasyHandle(CURL* handle, const HttpLimits& limits) {
  curl_easy_setopt(handle, CURLOPT_USERAGENT, kClientUserAgent);
  curl_easy_setopt(handle, CURLOPT_COOKIEFILE, "");
  // Only plain http: https, file, ftp and the rest fail before anything is sent.
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http");
  curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http");
  curl_easy_setopt(handle, CURLOPT_DEFAULT_PROTOCOL, "http");
  curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
  // An empty proxy overrides http_proxy and friends: the client always goes direct.
  curl_easy_setopt(handle, CURLOPT_PROXY, "");
  curl_easy_setopt(handle, CURLOPT_PATH_AS_IS, 1L);
  curl_easy_setopt(handle, CURLOPT_MAXCONNECTS, 1L);
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS,
                   static_cast<long>(limits.connect_timeout.count()));
  curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME,
                   std::max(1L, static_cast<long>(limits.stall_timeout.count())));
  curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.max_body));
}

namespace {

HeaderList MakeHeaders(std::initializer_list<const char*> lines) {
  curl_slist* list = nullptr;
  for (const char* line : lines) list = curl_slist_append(list, line);
  return HeaderList(list);
}

}  // namespace

HeaderList GetHeaders() {
  return MakeHeaders({"Accept: text/html, */*", "Content-Type: text/html"});
}

HeaderList PostHeaders() {
  // "Expect:" keeps larger bodies from waiting for an interim answer first.
  return MakeHeaders(
      {"Accept: text/html, */*", "Content-Type: application/x-www-form-urlencoded", "Expect:"});
}

Endpoint EndpointOf(const std::string& address) {
  const RequestAddress parts = SplitRequestAddress(address);
  const std::string origin = parts.url.substr(0, parts.url.size() - parts.target.size());
  const std::unique_ptr<CURLU, decltype(&curl_url_cleanup)> url(curl_url(), &curl_url_cleanup);
  if (!url ||
      curl_url_set(url.get(), CURLUPART_URL, origin.c_str(), CURLU_GUESS_SCHEME) != CURLUE_OK) {
    return {};
  }
  Endpoint endpoint;
  for (auto [part, field] :
       {std::pair{CURLUPART_SCHEME, &endpoint.scheme}, std::pair{CURLUPART_HOST, &endpoint.host},
        std::pair{CURLUPART_PORT, &endpoint.port}}) {
    char* text = nullptr;
    if (curl_url_get(url.get(), part, &text, CURLU_DEFAULT_PORT) != CURLUE_OK) return {};
    *field = text;
    curl_free(text);
  }
  return endpoint;
}

// libcurl would percent-encode some bytes of the path itself, so the target
// goes on the request line on its own; the URL still decides connection and cookies.
void SetRequestAddress(CURL* handle, const std::string& address, bool through_proxy) {
  const RequestAddress parts = SplitRequestAddress(address);
  curl_easy_setopt(handle, CURLOPT_URL, parts.url.c_str());
  curl_easy_setopt(handle, CURLOPT_REQUEST_TARGET,
                   through_proxy ? parts.url.c_str() : parts.target.c_str());
}

void PrepareGet(CURL* handle, const std::string& address, curl_slist* headers) {
  SetRequestAddress(handle, address);
  curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers);
}

void PreparePost(CURL* handle, const std::string& address, const std::string& body,
                 curl_slist* headers) {
  SetRequestAddress(handle, address);
  curl_easy_setopt(handle, CURLOPT_POST, 1L);
  curl_easy_setopt(handle, CURLOPT_POSTFIELDS, body.c_str());
  curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
  curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers);
}

}  // namespace kavero
