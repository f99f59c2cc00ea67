#include "web/curl/clients.h"

#include "web/curl/curl_http_client.h"
#include "web/curl/url_probe.h"

namespace kavero {

ClientFactories CurlClients() {
  return {.make_http_client = [](const HttpLimits& limits) -> std::unique_ptr<SessionClient> {
            return std::make_unique<CurlHttpClient>(limits);
          },
          .url_responds = UrlResponds};
}

}  // namespace kavero
