#pragma once
// An HTTP client together with the other ways of fetching on its settings and
// cookies: many pages at once, and the same requests made while a long loop
// keeps giving the window its turn.
#include <functional>
#include <memory>

#include "web/http_client.h"
#include "web/page_batch.h"

namespace kavero {

class SessionClient : public HttpClient {
 public:
  // A batch on this client's limits and cookies; the client must outlive it.
  virtual std::unique_ptr<PageBatch> NewPageBatch() const = 0;
  // This client's requests, each made while `process_messages` runs every few
  // milliseconds; it may throw, and the request under way is then dropped.
  // The client must outlive the one returned.
  virtual std::unique_ptr<HttpClient> NewPumpingClient(std::function<void()> process_messages) = 0;
};

}  // namespace kavero
