#include "web/curl/curl_http_client.h"

#include <thread>

#include "web/curl/answer_collector.h"
#include "web/curl/multi_fetcher.h"
#include "web/curl/pumping_client.h"
#include "web/form_encode.h"

namespace kavero {

namespace {

void LockShare(CURL*, curl_lock_data, curl_lock_access, void* mutex) {
  static_cast<std::mutex*>(mutex)->lock();
}

void UnlockShare(CURL*, curl_lock_data, void* mutex) {
  static_cast<std::mutex*>(mutex)->unlock();
}

}  // namespace

CurlHttpClient::CurlHttpClient(const HttpLimits& limits)
    : limits_(limits), get_headers_(GetHeaders()), post_headers_(PostHeaders()) {
  // Creating the first easy handle sets up libcurl before the share is made.
  Disconnect();
  share_.reset(curl_share_init());
  curl_share_setopt(share_.get(), CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
  curl_share_setopt(share_.get(), CURLSHOPT_LOCKFUNC, &LockShare);
  curl_share_setopt(share_.get(), CURLSHOPT_UNLOCKFUNC, &UnlockShare);
  curl_share_setopt(share_.get(), CURLSHOPT_USERDATA, &share_mutex_);
  curl_easy_setopt(handle_.get(), CURLOPT_SHARE, share_.get());
}

FetchResult CurlHttpClient::Get(const std::string& address) {
  // One connection at a time: the kept one is closed before another host's opens.
  Endpoint endpoint = EndpointOf(address);
  if (connected_to_ && *connected_to_ != endpoint) Disconnect();
  connected_to_ = std::move(endpoint);
  PrepareGet(handle_.get(), address, get_headers_.get());
  for (int retries = 0;; ++retries) {
    AnswerCollector collector(limits_);
    FetchResult result = Perform(collector);
    const auto wait = collector.ThrottleWait();
    if (!wait || retries == kThrottleRetries) return result;
    // A throttled page is asked again once the server's wait is over.
    std::this_thread::sleep_for(*wait);
  }
}

FetchResult CurlHttpClient::PostForm(const std::string& address,
                                     const std::vector<std::string>& fields) {
  const std::string body = BuildFormBody(fields);
  Disconnect();
  connected_to_ = EndpointOf(address);
  PreparePost(handle_.get(), address, body, post_headers_.get());
  AnswerCollector collector(limits_);
  return Perform(collector);
}

void CurlHttpClient::Disconnect() {
  // The connection lives in the handle and the cookies in the share, so a new
  // handle closes the one without losing the other.
  handle_ = NewEasyHandle();
  connected_to_.reset();
  ConfigureEasyHandle(handle_.get(), limits_);
  if (share_) curl_easy_setopt(handle_.get(), CURLOPT_SHARE, share_.get());
}

std::unique_ptr<PageBatch> CurlHttpClient::NewPageBatch() const {
  return std::make_unique<MultiFetcher>(*this);
}

std::unique_ptr<HttpClient> CurlHttpClient::NewPumpingClient(
    std::function<void()> process_messages) {
  return std::make_unique<PumpingClient>(*this, std::move(process_messages));
}

FetchResult CurlHttpClient::Perform(AnswerCollector& collector) {
  collector.Attach(handle_.get());
  return collector.Finish(curl_easy_perform(handle_.get()));
}

}  // namespace kavero
