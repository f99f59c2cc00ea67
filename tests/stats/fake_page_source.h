#pragma once
// Pages held in memory, for readers that only need a PageSource.
#include <map>
#include <string>
#include <vector>

#include "web/http_client.h"

namespace kavero::testing {

class FakePageSource : public PageSource {
 public:
  // `ok` false serves `body` as the part that arrived before a failure.
  void Serve(const std::string& address, std::string body, bool ok = true) {
    pages_[address] = FetchResult{std::move(body), ok, ok ? "" : "cut short"};
  }

  FetchResult Get(const std::string& address) override {
    requests.push_back(address);
    const auto page = pages_.find(address);
    if (page == pages_.end()) return {"", false, "not found"};
    return page->second;
  }

  std::vector<std::string> requests;

 private:
  std::map<std::string, FetchResult> pages_;
};

}  // namespace kavero::testing
