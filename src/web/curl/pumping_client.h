#pragma once
// The client's requests made while a long loop runs: the same requests with
// the same settings and cookies, driven through a multi handle so that the
// window gets its turn every few milliseconds while one is under way.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "web/curl/curl_http_client.h"
#include "web/http_client.h"

namespace kavero {

class MultiFetcher;

class PumpingClient : public HttpClient {
 public:
  // `process_messages` may throw; the request under way is then dropped.
  PumpingClient(CurlHttpClient& client, std::function<void()> process_messages);
  ~PumpingClient() override;
  PumpingClient(const PumpingClient&) = delete;
  PumpingClient& operator=(const PumpingClient&) = delete;

  FetchResult Get(const std::string& address) override;
  // A post goes on a handle of its own (the client's settings and cookies) on
  // a worker thread, while the window keeps its turn.
  FetchResult PostForm(const std::string& address, const std::vector<std::string>& fields) override;
  // Closes every connection this client and the wrapped one hold.
  void Disconnect() override;

 private:
  CurlHttpClient& client_;
  std::function<void()> process_messages_;
  std::unique_ptr<MultiFetcher> fetcher_;
};

}  // namespace kavero
