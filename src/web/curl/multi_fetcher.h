#pragma once
// Many GETs at once over one multi handle, driven from the caller's thread.
// Every request is sent and judged exactly like the single client's, with its
// cookies; connections are kept alive and at most six go to one host. A
// throttled page waits out the server's wait without holding up the others and
// is asked again, and its host gets fewer connections from then on. A page
// refused (401, 403) is asked again when an answer set a cookie after it went
// out; it is judged once every request under way when its refusal came is in,
// since any of them may have brought the cookie the server now wants.
#include <curl/curl.h>

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "web/cookie_history.h"
#include "web/curl/answer_collector.h"
#include "web/curl/curl_handles.h"
#include "web/curl/curl_http_client.h"
#include "web/curl/easy_setup.h"
#include "web/http_client.h"
#include "web/page_batch.h"

namespace kavero {

struct MultiCleanup {
  void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
using MultiHandle = std::unique_ptr<CURLM, MultiCleanup>;

class MultiFetcher : public PageBatch {
 public:
  // Uses the client's limits and cookie store; the client must outlive the fetcher.
  explicit MultiFetcher(const CurlHttpClient& client);
  ~MultiFetcher() override;
  MultiFetcher(const MultiFetcher&) = delete;
  MultiFetcher& operator=(const MultiFetcher&) = delete;

  // Begins fetching `address` unless it is already under way or waiting to be taken.
  void Start(const std::string& address) override;
  // Moves the transfers on, waiting at most `max_wait` for something to happen.
  void Poll(std::chrono::milliseconds max_wait) override;
  bool IsDone(const std::string& address) const override;
  // Where a finished result stands among the cookies answers set, until it is taken.
  CookieStamp StampOf(const std::string& address) const override;
  // Hands over and forgets a finished result; an address that is not done
  // gives a failed result.
  FetchResult Take(const std::string& address) override;
  // Forgets the address, cutting its transfer short if it is still running.
  void Abandon(const std::string& address) override;
  // Body bytes of the transfers under way and of the results not yet taken.
  std::size_t BytesHeld() const override;

 private:
  using Clock = std::chrono::steady_clock;

  struct Transfer {
    Transfer(EasyHandle easy, const HttpLimits& limits)
        : handle(std::move(easy)), collector(limits) {}
    EasyHandle handle;
    AnswerCollector collector;
    std::string address;
    std::string origin;
    int retries = 0;   // throttled answers before this one
    int refusals = 0;  // refused answers before this one
    int sent_generation = 0;
    std::uint64_t launch = 0;  // the order in which the transfers went out
  };
  // A page not yet sent: its host has no free connection, or the server's
  // wait after a throttled answer is not over.
  struct Queued {
    std::string address;
    Clock::time_point due;
    int retries = 0;
    int refusals = 0;
  };
  struct Finished {
    FetchResult result;
    CookieStamp stamp;
  };
  // A refusal waiting for the transfers launched before it came.
  struct Refused {
    Finished finished;
    int refusals = 0;
    std::uint64_t launches_before = 0;
  };

  void Launch(const std::string& address, int retries, int refusals);
  // Sends the queued pages that are due, in the order they were queued, while
  // their hosts have room.
  void LaunchDue();
  bool HostIsFull(const std::string& origin) const;
  // How long a poll may sleep before a queued page falls due.
  std::chrono::milliseconds WaitBound(std::chrono::milliseconds max_wait) const;
  EasyHandle IdleHandle();
  // Takes the transfer off the multi handle and keeps its easy handle for reuse.
  void Retire(Transfer& transfer);
  // Stores the results of finished transfers, queueing throttled ones again;
  // tells whether there were any.
  bool CollectFinished();
  // Refusals whose earlier transfers are all in: asked again after a cookie
  // change, else stored. Tells whether any was stored.
  bool JudgeRefused();

  CURLSH* cookies_;
  HttpLimits limits_;
  HeaderList headers_;
  std::vector<EasyHandle> idle_;
  std::unordered_map<std::string, std::unique_ptr<Transfer>> running_;
  std::deque<Queued> queued_;
  std::unordered_map<std::string, Finished> done_;
  std::unordered_map<std::string, Refused> refused_;
  std::uint64_t launches_ = 0;
  // Transfers under way per host, and the fewer connections allowed to hosts that throttled.
  std::unordered_map<std::string, long> running_per_host_;
  std::unordered_map<std::string, long> host_limits_;
  CookieHistory cookie_history_;
  MultiHandle multi_;
};

}  // namespace kavero
