#pragma once
// A page batch over pages held in memory, as from a server that answers at
// once: a poll finishes every page under way. It notes which pages were
// started and given back, in order.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "web/page_batch.h"

namespace kavero::testing {

class FakePageBatch : public PageBatch {
 public:
  void Serve(const std::string& address, std::string body) { pages_[address] = std::move(body); }

  void Start(const std::string& address) override {
    if (done_.contains(address) || IsRunning(address)) return;
    started.push_back(address);
    running_.push_back(address);
  }
  void Poll(std::chrono::milliseconds) override {
    for (const auto& address : running_) {
      const auto page = pages_.find(address);
      done_[address] = page == pages_.end()
                           ? FetchResult{"", false, "not found", FetchFailure::kStatus, 404}
                           : FetchResult{page->second, true, "", FetchFailure::kNone, 200};
    }
    running_.clear();
  }
  bool IsDone(const std::string& address) const override { return done_.contains(address); }
  CookieStamp StampOf(const std::string&) const override { return {}; }
  FetchResult Take(const std::string& address) override {
    const auto it = done_.find(address);
    if (it == done_.end()) return {"", false, "not done"};
    FetchResult result = std::move(it->second);
    done_.erase(it);
    return result;
  }
  void Abandon(const std::string& address) override {
    if (!done_.contains(address) && !IsRunning(address)) return;
    abandoned.push_back(address);
    done_.erase(address);
    std::erase(running_, address);
  }
  std::size_t BytesHeld() const override {
    std::size_t bytes = 0;
    for (const auto& [address, result] : done_) bytes += result.body.size();
    return bytes;
  }

  std::vector<std::string> started;
  std::vector<std::string> abandoned;  // pages given back while under way or not yet taken

 private:
  bool IsRunning(const std::string& address) const {
    return std::find(running_.begin(), running_.end(), address) != running_.end();
  }

  std::map<std::string, std::string> pages_;
  std::vector<std::string> running_;
  std::map<std::string, FetchResult> done_;
};

}  // namespace kavero::testing
