#pragma once
// Many GETs at once over one multi handle, driven from the caller's thread.
// Every request is sent and judged exactly like the single client's, with its
// cookies; connections are kept alive and at most six go to one host.
#include <curl/curl.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "web/answer_collector.h"
#include "web/curl_handles.h"
#include "web/curl_http_client.h"
#include "web/easy_setup.h"
#include "web/http_client.h"

namespace kavero {

struct MultiCleanup {
  void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
using MultiHandle = std::unique_ptr<CURLM, MultiCleanup>;

class MultiFetcher {
 public:
  // Uses the client's limits and cookie store; the client must outlive the fetcher.
  explicit MultiFetcher(const CurlHttpClient& client);
  ~MultiFetcher();
  MultiFetcher(const MultiFetcher&) = delete;
  MultiFetcher& operator=(const MultiFetcher&) = delete;

  // Begins fetching `address` unless it is already under way or waiting to be taken.
  void Start(const std::string& address);
  // Moves the transfers on, waiting at most `max_wait` for something to happen.
  void Poll(std::chrono::milliseconds max_wait);
  bool IsDone(const std::string& address) const;
  // Hands over and forgets a finished result; an address that is not done
  // gives a failed result.
  FetchResult Take(const std::string& address);
  // Starts if needed and waits for the result.
  // `between_polls`, when given, runs every few milliseconds while waiting
  // (the window's turn); whatever it throws passes through.
  FetchResult Fetch(const std::string& address, const std::function<void()>& between_polls = {});
  // Forgets the address, cutting its transfer short if it is still running.
  void Abandon(const std::string& address);
  // Body bytes of the transfers under way and of the results not yet taken.
  std::size_t BytesHeld() const;

 private:
  struct Transfer {
    Transfer(EasyHandle easy, const HttpLimits& limits)
        : handle(std::move(easy)), collector(limits) {}
    EasyHandle handle;
    AnswerCollector collector;
    std::string address;
  };

  EasyHandle IdleHandle();
  // Takes the transfer off the multi handle and keeps its easy handle for reuse.
  void Retire(Transfer& transfer);
  // Stores the results of finished transfers; tells whether there were any.
  bool CollectFinished();

  CURLSH* cookies_;
  HttpLimits limits_;
  HeaderList headers_;
  std::vector<EasyHandle> idle_;
  std::unordered_map<std::string, std::unique_ptr<Transfer>> running_;
  std::unordered_map<std::string, FetchResult> done_;
  MultiHandle multi_;
};

}  // namespace kavero
