#include "web/page_batch.h"

namespace kavero {

void PageBatch::Await(const std::string& address, const std::function<void()>& between_polls) {
  // A poll returns as soon as anything happens; the wait only bounds how long
  // the caller's turn may be kept waiting.
  const std::chrono::milliseconds wait{between_polls ? 10 : 100};
  Start(address);
  while (!IsDone(address)) {
    Poll(wait);
    if (between_polls && !IsDone(address)) between_polls();
  }
}

FetchResult PageBatch::Fetch(const std::string& address,
                             const std::function<void()>& between_polls) {
  Await(address, between_polls);
  return Take(address);
}

}  // namespace kavero
