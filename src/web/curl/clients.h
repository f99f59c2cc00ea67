#pragma once
// Where the program's clients are made: the only place that knows they run on
// libcurl. main() and the programs and tests that talk to real servers hand
// these in.
#include "web/client_factories.h"

namespace kavero {

// CurlHttpClient and the libcurl UrlResponds.
ClientFactories CurlClients();

}  // namespace kavero
