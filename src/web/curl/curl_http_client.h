#pragma once
// The program's HTTP client on libcurl: one easy handle, at most one open
// connection kept alive between requests, cookies in memory for the whole run.
// A throttled GET (AnswerCollector::ThrottleWait) waits here and is asked again.
#include <curl/curl.h>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "web/curl/curl_handles.h"
#include "web/curl/easy_setup.h"
#include "web/http_client.h"
#include "web/session_client.h"

namespace kavero {

class AnswerCollector;

class CurlHttpClient : public SessionClient {
 public:
  explicit CurlHttpClient(const HttpLimits& limits = {});
  CurlHttpClient(const CurlHttpClient&) = delete;
  CurlHttpClient& operator=(const CurlHttpClient&) = delete;

  FetchResult Get(const std::string& address) override;
  FetchResult PostForm(const std::string& address, const std::vector<std::string>& fields) override;
  void Disconnect() override;
  // A MultiFetcher and a PumpingClient on this client.
  std::unique_ptr<PageBatch> NewPageBatch() const override;
  std::unique_ptr<HttpClient> NewPumpingClient(std::function<void()> process_messages) override;

  // The cookie store; attach it to other handles (CURLOPT_SHARE) to share
  // cookies, and clean those handles up before the client goes.
  CURLSH* CookieShare() const { return share_.get(); }
  const HttpLimits& limits() const { return limits_; }

 private:
  FetchResult Perform(AnswerCollector& collector);

  HttpLimits limits_;
  std::mutex share_mutex_;
  ShareHandle share_;
  EasyHandle handle_;
  HeaderList get_headers_;
  HeaderList post_headers_;
  // Where the kept connection, if any, goes.
  std::optional<Endpoint> connected_to_;
};

}  // namespace kavero
