#pragma once
// Many GETs at once, driven from the caller's thread: pages are started, the
// transfers moved on by polling, and each finished page taken once.
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

#include "web/cookie_history.h"
#include "web/http_client.h"

namespace kavero {

class PageBatch {
 public:
  virtual ~PageBatch() = default;

  // Begins fetching `address` unless it is already under way or waiting to be taken.
  virtual void Start(const std::string& address) = 0;
  // Moves the transfers on, waiting at most `max_wait` for something to happen.
  virtual void Poll(std::chrono::milliseconds max_wait) = 0;
  virtual bool IsDone(const std::string& address) const = 0;
  // Where a finished result stands among the cookies answers set, until it is taken.
  virtual CookieStamp StampOf(const std::string& address) const = 0;
  // Hands over and forgets a finished result; an address that is not done
  // gives a failed result.
  virtual FetchResult Take(const std::string& address) = 0;
  // Forgets the address, cutting its transfer short if it is still running.
  virtual void Abandon(const std::string& address) = 0;
  // Body bytes of the transfers under way and of the results not yet taken.
  virtual std::size_t BytesHeld() const = 0;

  // Starts if needed and waits until the result is in.
  // `between_polls`, when given, runs every few milliseconds while waiting
  // (the window's turn); whatever it throws passes through.
  void Await(const std::string& address, const std::function<void()>& between_polls = {});
  // Await, then Take.
  FetchResult Fetch(const std::string& address, const std::function<void()>& between_polls = {});
};

}  // namespace kavero
