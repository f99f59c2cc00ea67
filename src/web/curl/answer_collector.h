#pragma once
// Gathers one answer on an easy handle and judges it: only a 2xx status
// without "Location" succeeds; a failed answer's body is not delivered, while
// a good body cut short keeps what arrived.
#include <curl/curl.h>

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "web/curl/easy_setup.h"
#include "web/http_client.h"

namespace kavero {

// A server that answers 429 or 503 and asks to come back within this time is
// waited for, and asked again at most this many times, before the page fails.
inline constexpr std::chrono::seconds kLongestThrottleWait{30};
inline constexpr int kThrottleRetries = 2;

class AnswerCollector {
 public:
  explicit AnswerCollector(const HttpLimits& limits)
      : max_body_(limits.max_body), stall_timeout_(limits.stall_timeout) {}
  AnswerCollector(const AnswerCollector&) = delete;
  AnswerCollector& operator=(const AnswerCollector&) = delete;

  // Installs the header and body callbacks; the collector must outlive the transfer.
  void Attach(CURL* handle);
  // The outcome, given the code the transfer ended with.
  FetchResult Finish(CURLcode code);
  // Body bytes held so far.
  std::size_t BodySize() const { return body_.size(); }
  // The wait a throttling answer (429 or 503 with "Retry-After") asks for,
  // when it is short enough to wait; unset for any other answer.
  std::optional<std::chrono::seconds> ThrottleWait() const;
  // The "name=value" part of every "Set-Cookie" of the answer.
  const std::vector<std::string>& CookiesSet() const { return cookies_set_; }

 private:
  static std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* self);
  static std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* self);
  static int OnProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t);
  bool Refused() const;
  void Received();

  std::size_t max_body_;
  std::chrono::seconds stall_timeout_;
  std::string body_;
  int status_ = 0;
  bool has_location_ = false;
  std::optional<std::chrono::seconds> retry_after_;
  std::vector<std::string> cookies_set_;
  bool too_large_ = false;
  // When the answer last brought bytes; unset until its first bytes.
  std::optional<std::chrono::steady_clock::time_point> last_received_;
  bool stalled_ = false;
};

}  // namespace kavero
