#pragma once
// What makes the program's real clients. Only main() and the programs and
// tests that talk to real servers know they run on libcurl
// (web/curl/clients.h); the rest is handed these and links no libcurl.
#include <functional>
#include <memory>

#include "web/http_client.h"
#include "web/session_client.h"
#include "web/url_probe.h"

namespace kavero {

struct ClientFactories {
  std::function<std::unique_ptr<SessionClient>(const HttpLimits& limits)> make_http_client;
  UrlProbe url_responds;
};

}  // namespace kavero
