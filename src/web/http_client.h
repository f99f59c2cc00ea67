#pragma once
#include <string>
#include <vector>

namespace kavero {

// Outcome of one exchange. On failure `body` still holds whatever part of a
// successful answer's body arrived before the failure.
struct FetchResult {
  std::string body;
  bool ok = false;
  std::string error;
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
