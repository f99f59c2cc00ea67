#include "web/multi_fetcher.h"

namespace kavero {
namespace {

constexpr long kConnectionsPerHost = 6;
// Room for the bookmaker site and a few team page servers at full width;
// idle connections beyond it are closed, oldest first.
constexpr long kCachedConnections = 4 * kConnectionsPerHost;
constexpr std::size_t kIdleHandles = kCachedConnections;

}  // namespace

MultiFetcher::MultiFetcher(const CurlHttpClient& client)
    : cookies_(client.CookieShare()),
      limits_(client.limits()),
      headers_(GetHeaders()),
      multi_(curl_multi_init()) {
  curl_multi_setopt(multi_.get(), CURLMOPT_MAX_HOST_CONNECTIONS, kConnectionsPerHost);
  curl_multi_setopt(multi_.get(), CURLMOPT_MAXCONNECTS, kCachedConnections);
}

MultiFetcher::~MultiFetcher() {
  for (auto& [address, transfer] : running_) {
    curl_multi_remove_handle(multi_.get(), transfer->handle.get());
  }
}

void MultiFetcher::Start(const std::string& address) {
  if (running_.contains(address) || done_.contains(address)) return;
  auto transfer = std::make_unique<Transfer>(IdleHandle(), limits_);
  CURL* handle = transfer->handle.get();
  transfer->address = address;
  PrepareGet(handle, address, headers_.get());
  transfer->collector.Attach(handle);
  curl_easy_setopt(handle, CURLOPT_PRIVATE, transfer.get());
  if (const CURLMcode code = curl_multi_add_handle(multi_.get(), handle); code != CURLM_OK) {
    done_[address].error = curl_multi_strerror(code);
    return;
  }
  running_.emplace(address, std::move(transfer));
}

void MultiFetcher::Poll(std::chrono::milliseconds max_wait) {
  if (running_.empty()) return;
  int still_running = 0;
  curl_multi_perform(multi_.get(), &still_running);
  if (CollectFinished() || still_running == 0) return;
  curl_multi_poll(multi_.get(), nullptr, 0, static_cast<int>(max_wait.count()), nullptr);
  curl_multi_perform(multi_.get(), &still_running);
  CollectFinished();
}

bool MultiFetcher::IsDone(const std::string& address) const {
  return done_.contains(address);
}

FetchResult MultiFetcher::Take(const std::string& address) {
  auto node = done_.extract(address);
  if (node.empty()) return {.body = {}, .ok = false, .error = "Not fetched yet"};
  return std::move(node.mapped());
}

FetchResult MultiFetcher::Fetch(const std::string& address,
                                const std::function<void()>& between_polls) {
  // A poll returns as soon as anything happens; the wait only bounds how long
  // the caller's turn may be kept waiting.
  const std::chrono::milliseconds wait{between_polls ? 10 : 100};
  Start(address);
  while (!IsDone(address)) {
    Poll(wait);
    if (between_polls && !IsDone(address)) between_polls();
  }
  return Take(address);
}

std::size_t MultiFetcher::BytesHeld() const {
  std::size_t bytes = 0;
  for (const auto& [address, transfer] : running_) bytes += transfer->collector.BodySize();
  for (const auto& [address, result] : done_) bytes += result.body.size();
  return bytes;
}

void MultiFetcher::Abandon(const std::string& address) {
  done_.erase(address);
  if (auto node = running_.extract(address); !node.empty()) Retire(*node.mapped());
}

EasyHandle MultiFetcher::IdleHandle() {
  if (!idle_.empty()) {
    EasyHandle handle = std::move(idle_.back());
    idle_.pop_back();
    return handle;
  }
  EasyHandle handle = NewEasyHandle();
  ConfigureEasyHandle(handle.get(), limits_);
  curl_easy_setopt(handle.get(), CURLOPT_SHARE, cookies_);
  return handle;
}

void MultiFetcher::Retire(Transfer& transfer) {
  curl_multi_remove_handle(multi_.get(), transfer.handle.get());
  if (idle_.size() < kIdleHandles) idle_.push_back(std::move(transfer.handle));
}

bool MultiFetcher::CollectFinished() {
  bool any = false;
  int queued = 0;
  while (CURLMsg* message = curl_multi_info_read(multi_.get(), &queued)) {
    if (message->msg != CURLMSG_DONE) continue;
    // The message dies with the handle's removal: read it first.
    const CURLcode code = message->data.result;
    char* owner = nullptr;
    curl_easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, &owner);
    const std::string address = reinterpret_cast<Transfer*>(owner)->address;
    auto node = running_.extract(address);
    done_[address] = node.mapped()->collector.Finish(code);
    Retire(*node.mapped());
    any = true;
  }
  return any;
}

}  // namespace kavero
