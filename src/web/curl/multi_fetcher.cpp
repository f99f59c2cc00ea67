#include "web/curl/multi_fetcher.h"

#include <algorithm>

#include "web/request_address.h"

namespace kavero {
namespace {

constexpr long kConnectionsPerHost = 6;
// Room for the bookmaker site and a few team page servers at full width;
// idle connections beyond it are closed, oldest first.
constexpr long kCachedConnections = 4 * kConnectionsPerHost;
constexpr std::size_t kIdleHandles = kCachedConnections;
// A page refused again after as many cookie changes is taken as refused.
constexpr int kRefusalRetries = 2;

bool Refusal(const FetchResult& result) {
  return result.failure == FetchFailure::kStatus && (result.status == 401 || result.status == 403);
}

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
  if (running_.contains(address) || done_.contains(address) || refused_.contains(address)) return;
  if (std::any_of(queued_.begin(), queued_.end(),
                  [&](const Queued& queued) { return queued.address == address; })) {
    return;
  }
  // Pages wait their turn here rather than inside libcurl, so that a host
  // that throttles gets fewer connections at once.
  if (!queued_.empty() || HostIsFull(std::string(OriginOf(address)))) {
    queued_.push_back({.address = address, .due = Clock::now()});
    LaunchDue();
    return;
  }
  Launch(address, 0, 0);
}

void MultiFetcher::Launch(const std::string& address, int retries, int refusals) {
  auto transfer = std::make_unique<Transfer>(IdleHandle(), limits_);
  CURL* handle = transfer->handle.get();
  transfer->address = address;
  transfer->origin = OriginOf(address);
  transfer->retries = retries;
  transfer->refusals = refusals;
  transfer->sent_generation = cookie_history_.generation();
  transfer->launch = launches_++;
  PrepareGet(handle, address, headers_.get());
  transfer->collector.Attach(handle);
  curl_easy_setopt(handle, CURLOPT_PRIVATE, transfer.get());
  if (const CURLMcode code = curl_multi_add_handle(multi_.get(), handle); code != CURLM_OK) {
    done_[address].result.error = curl_multi_strerror(code);
    return;
  }
  ++running_per_host_[transfer->origin];
  running_.emplace(address, std::move(transfer));
}

void MultiFetcher::LaunchDue() {
  const auto now = Clock::now();
  for (auto it = queued_.begin(); it != queued_.end();) {
    if (it->due > now || HostIsFull(std::string(OriginOf(it->address)))) {
      ++it;
      continue;
    }
    const Queued queued = std::move(*it);
    it = queued_.erase(it);
    Launch(queued.address, queued.retries, queued.refusals);
  }
}

bool MultiFetcher::HostIsFull(const std::string& origin) const {
  const auto limit = host_limits_.find(origin);
  const auto running = running_per_host_.find(origin);
  return running != running_per_host_.end() &&
         running->second >= (limit == host_limits_.end() ? kConnectionsPerHost : limit->second);
}

std::chrono::milliseconds MultiFetcher::WaitBound(std::chrono::milliseconds max_wait) const {
  const auto now = Clock::now();
  for (const Queued& queued : queued_) {
    // Pages already due wait for a connection to come free, which wakes the poll.
    if (queued.due <= now) continue;
    max_wait = std::min(max_wait, std::chrono::ceil<std::chrono::milliseconds>(queued.due - now));
  }
  return max_wait;
}

void MultiFetcher::Poll(std::chrono::milliseconds max_wait) {
  // A transfer abandoned meanwhile may have been the last a refusal waited for.
  if (JudgeRefused()) return;
  LaunchDue();
  if (running_.empty() && queued_.empty()) return;
  int still_running = 0;
  curl_multi_perform(multi_.get(), &still_running);
  if (CollectFinished() || (still_running == 0 && queued_.empty())) return;
  // With nothing under way this sleeps until a throttled page falls due.
  curl_multi_poll(multi_.get(), nullptr, 0, static_cast<int>(WaitBound(max_wait).count()), nullptr);
  curl_multi_perform(multi_.get(), &still_running);
  CollectFinished();
}

bool MultiFetcher::IsDone(const std::string& address) const {
  return done_.contains(address);
}

CookieStamp MultiFetcher::StampOf(const std::string& address) const {
  const auto found = done_.find(address);
  return found == done_.end() ? CookieStamp{} : found->second.stamp;
}

FetchResult MultiFetcher::Take(const std::string& address) {
  auto node = done_.extract(address);
  if (node.empty()) return {.body = {}, .ok = false, .error = "Not fetched yet"};
  return std::move(node.mapped().result);
}

std::size_t MultiFetcher::BytesHeld() const {
  std::size_t bytes = 0;
  for (const auto& [address, transfer] : running_) bytes += transfer->collector.BodySize();
  for (const auto& [address, finished] : done_) bytes += finished.result.body.size();
  for (const auto& [address, refused] : refused_) bytes += refused.finished.result.body.size();
  return bytes;
}

void MultiFetcher::Abandon(const std::string& address) {
  done_.erase(address);
  refused_.erase(address);
  std::erase_if(queued_, [&](const Queued& queued) { return queued.address == address; });
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
  if (--running_per_host_[transfer.origin] == 0) running_per_host_.erase(transfer.origin);
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
    Transfer& transfer = *node.mapped();
    Retire(transfer);
    const CookieStamp stamp = cookie_history_.Note(transfer.origin, transfer.collector.CookiesSet(),
                                                   transfer.sent_generation);
    if (const auto wait = transfer.collector.ThrottleWait()) {
      long& limit = host_limits_.try_emplace(transfer.origin, kConnectionsPerHost).first->second;
      limit = std::max(1L, limit / 2);
      if (transfer.retries < kThrottleRetries) {
        queued_.push_back({.address = address,
                           .due = Clock::now() + *wait,
                           .retries = transfer.retries + 1,
                           .refusals = transfer.refusals});
        continue;
      }
    }
    FetchResult result = transfer.collector.Finish(code);
    if (Refusal(result) && transfer.refusals < kRefusalRetries) {
      refused_[address] = {.finished = {std::move(result), stamp},
                           .refusals = transfer.refusals + 1,
                           .launches_before = launches_};
      continue;
    }
    done_[address] = {std::move(result), stamp};
    any = true;
  }
  any = JudgeRefused() || any;
  LaunchDue();
  return any;
}

bool MultiFetcher::JudgeRefused() {
  bool stored = false;
  for (auto it = refused_.begin(); it != refused_.end();) {
    Refused& refused = it->second;
    const bool earlier_running = std::any_of(
        running_.begin(), running_.end(),
        [&](const auto& entry) { return entry.second->launch < refused.launches_before; });
    if (earlier_running) {
      ++it;
      continue;
    }
    if (cookie_history_.generation() > refused.finished.stamp.sent) {
      queued_.push_back({.address = it->first, .due = Clock::now(), .refusals = refused.refusals});
    } else {
      done_[it->first] = std::move(refused.finished);
      stored = true;
    }
    it = refused_.erase(it);
  }
  return stored;
}

}  // namespace kavero
