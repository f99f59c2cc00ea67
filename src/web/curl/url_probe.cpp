#include "web/curl/url_probe.h"

#include <curl/curl.h>

#include <algorithm>
#include <string_view>

#include "web/curl/curl_handles.h"
#include "web/curl/easy_setup.h"
#include "web/curl/header_lines.h"
#include "web/system_proxy.h"

namespace kavero {

namespace {

std::string AsciiLower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return text;
}

std::string WithHttpPrefix(const std::string& address) {
  if (AsciiLower(address).find("http://") != std::string::npos) return address;
  std::string prefixed = "http://";
  prefixed += address;
  return prefixed;
}

struct StatusReader {
  int status = 0;
  bool headers_complete = false;

  // Records each status line and stops the transfer once the final answer's
  // headers are in, so the body is never read.
  static std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* self) {
    auto& reader = *static_cast<StatusReader*>(self);
    const std::string_view line(data, size * count);
    if (line.starts_with("HTTP/")) {
      reader.status = StatusCodeOf(line);
    } else if (EndsHeaders(line) && reader.status >= 200) {
      reader.headers_complete = true;
      return 0;
    }
    return line.size();
  }

  static std::size_t OnBody(char*, std::size_t, std::size_t, void*) { return 0; }
};

}  // namespace

bool UrlResponds(const std::string& address, const ProbeLimits& limits) {
  const std::string prefixed = WithHttpPrefix(address);
  // "http://" met only further on leaves an address without a scheme: it cannot be
  // opened, and libcurl must not guess one.
  if (!AsciiLower(prefixed).starts_with("http://")) return false;
  const auto handle = NewEasyHandle();
  if (!handle) return false;
  const HeaderList headers(
      curl_slist_append(curl_slist_append(nullptr, "Cache-Control: no-cache"), "Pragma: no-cache"));
  StatusReader reader;
  CURL* h = handle.get();
  // The system's proxy is chosen here, so that the request line suits it; the
  // target is the one the client's GET of the address sends.
  const std::string proxy = SystemProxyFor(EndpointOf(prefixed).host);
  curl_easy_setopt(h, CURLOPT_PROXY, proxy.c_str());
  curl_easy_setopt(h, CURLOPT_NOPROXY, "");
  SetRequestAddress(h, prefixed, !proxy.empty());
  curl_easy_setopt(h, CURLOPT_USERAGENT, "InetURL:/1.0");
  curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http");
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connect_timeout.count()));
  curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.total_timeout.count()));
  curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, &StatusReader::OnHeader);
  curl_easy_setopt(h, CURLOPT_HEADERDATA, &reader);
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &StatusReader::OnBody);
  curl_easy_perform(h);
  return reader.headers_complete && (reader.status == 200 || reader.status == 302);
}

}  // namespace kavero
