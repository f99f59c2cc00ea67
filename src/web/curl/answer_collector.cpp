#include "web/curl/answer_collector.h"

#include <ctime>
#include <string_view>

#include "web/curl/header_lines.h"

namespace kavero {

void AnswerCollector::Attach(CURL* handle) {
  curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &AnswerCollector::OnHeader);
  curl_easy_setopt(handle, CURLOPT_HEADERDATA, this);
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &AnswerCollector::OnBody);
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, this);
  curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &AnswerCollector::OnProgress);
  curl_easy_setopt(handle, CURLOPT_XFERINFODATA, this);
  curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
}

void AnswerCollector::Received() {
  last_received_ = std::chrono::steady_clock::now();
}

// libcurl's low-speed check averages over its last few seconds, so bytes that
// came just before a silence would put the failure off by that much: once an
// answer has begun, a silence of the stall time-out ends it on the dot.
int AnswerCollector::OnProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  auto& collector = *static_cast<AnswerCollector*>(self);
  if (!collector.last_received_) return 0;
  if (std::chrono::steady_clock::now() - *collector.last_received_ < collector.stall_timeout_) {
    return 0;
  }
  collector.stalled_ = true;
  return 1;  // ends the transfer
}

std::size_t AnswerCollector::OnHeader(char* data, std::size_t size, std::size_t count, void* self) {
  auto& collector = *static_cast<AnswerCollector*>(self);
  const std::string_view line(data, size * count);
  collector.Received();
  // Each status line opens a new answer, so an interim 100 leaves nothing behind.
  if (const int status = StatusCodeOf(line); status != 0) {
    collector.status_ = status;
    collector.has_location_ = false;
    collector.retry_after_.reset();
  } else if (IsHeader(line, "Location")) {
    collector.has_location_ = true;
  } else if (IsHeader(line, "Retry-After")) {
    collector.retry_after_ = RetryAfterOf(HeaderValue(line), std::time(nullptr));
  } else if (IsHeader(line, "Set-Cookie")) {
    const std::string_view value = HeaderValue(line);
    collector.cookies_set_.emplace_back(value.substr(0, value.find(';')));
  }
  return line.size();
}

std::size_t AnswerCollector::OnBody(char* data, std::size_t size, std::size_t count, void* self) {
  auto& collector = *static_cast<AnswerCollector*>(self);
  const std::size_t length = size * count;
  collector.Received();
  // Returning less than given stops the transfer.
  if (collector.Refused()) return 0;
  const std::size_t room = collector.max_body_ - collector.body_.size();
  if (length > room) {
    collector.body_.append(data, room);
    collector.too_large_ = true;
    return 0;
  }
  collector.body_.append(data, length);
  return length;
}

std::optional<std::chrono::seconds> AnswerCollector::ThrottleWait() const {
  if (status_ != 429 && status_ != 503) return std::nullopt;
  if (!retry_after_ || *retry_after_ > kLongestThrottleWait) return std::nullopt;
  return retry_after_;
}

bool AnswerCollector::Refused() const {
  return status_ < 200 || status_ > 299 || has_location_;
}

namespace {

FetchFailure FailureOf(CURLcode code) {
  switch (code) {
    case CURLE_COULDNT_CONNECT:
      return FetchFailure::kRefused;
    case CURLE_COULDNT_RESOLVE_HOST:
      return FetchFailure::kNoHost;
    case CURLE_OPERATION_TIMEDOUT:
      return FetchFailure::kTimeOut;
    case CURLE_FILESIZE_EXCEEDED:
      return FetchFailure::kTooLarge;
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
      return FetchFailure::kCutOff;
    default:
      return FetchFailure::kOther;
  }
}

}  // namespace

FetchResult AnswerCollector::Finish(CURLcode code) {
  FetchResult result;
  result.status = status_;
  if (status_ != 0 && Refused()) {
    const bool redirect = has_location_ && status_ >= 200 && status_ <= 299;
    result.error =
        redirect ? "Answer carries a Location header" : "HTTP status " + std::to_string(status_);
    result.failure = redirect ? FetchFailure::kRedirect : FetchFailure::kStatus;
    return result;
  }
  result.body = std::move(body_);
  if (too_large_) {
    result.error = "Body larger than " + std::to_string(max_body_) + " bytes";
    result.failure = FetchFailure::kTooLarge;
  } else if (stalled_) {
    result.error = "Nothing received for " + std::to_string(stall_timeout_.count()) + " s";
    result.failure = FetchFailure::kTimeOut;
  } else if (code != CURLE_OK) {
    result.error = curl_easy_strerror(code);
    result.failure = FailureOf(code);
  } else {
    result.ok = true;
  }
  return result;
}

}  // namespace kavero
