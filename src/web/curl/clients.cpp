#include "web/clients.h"

#include "web/curl/curl_http_client.h"

namespace kavero {

std::unique_ptr<SessionClient> MakeHttpClient(const HttpLimits& limits) {
  return std::make_unique<CurlHttpClient>(limits);
}

}  // namespace kavero
