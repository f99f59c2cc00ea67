#pragma once
#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace kavero {

// What a client and a batch of its pages allow an exchange.
struct HttpLimits {
  // A connection not made within this time fails.
  std::chrono::milliseconds connect_timeout{15'000};
  // A transfer that receives nothing for this long fails (whole seconds, at least 1).
  std::chrono::seconds stall_timeout{30};
  // A body larger than this fails; what fitted is kept.
  std::size_t max_body = std::size_t{64} << 20;
};

// Why an exchange failed, so that a report can say it in the user's words.
enum class FetchFailure {
  kNone,
  kRefused,   // no connection could be made
  kNoHost,    // the host name does not resolve
  kTimeOut,   // no connection in time, or the answer stalled
  kStatus,    // a status outside 200 to 299
  kRedirect,  // a 2xx answer carrying "Location"
  kTooLarge,  // the body passed the size cap
  kCutOff,    // the answer broke off, or nothing came
  kOther,     // anything else; `error` says what
};

// Outcome of one exchange. On failure `body` still holds whatever part of a
// successful answer's body arrived before the failure.
struct FetchResult {
  std::string body;
  bool ok = false;
  std::string error;
  FetchFailure failure = FetchFailure::kNone;
  int status = 0;  // the answer's status, 0 when none came
};

// Anything that can answer a GET of an address: the live client, or a store of
// pages fetched ahead of time.
class PageSource {
 public:
  virtual ~PageSource() = default;
  virtual FetchResult Get(const std::string& address) = 0;
};

class HttpClient : public PageSource {
 public:
  // `fields` are "name=value" lines; values are form-encoded, names are not.
  virtual FetchResult PostForm(const std::string& address,
                               const std::vector<std::string>& fields) = 0;
  virtual void Disconnect() = 0;
};

}  // namespace kavero
