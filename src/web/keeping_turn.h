#pragma once
// A blocking exchange made on a worker thread while the caller's thread keeps
// giving the window its turn, so that a server that accepts and never answers
// holds no window for the length of its time-out.
#include <chrono>
#include <functional>
#include <future>
#include <utility>

namespace kavero {

// Runs `work` on a worker thread and waits for its result, calling `between`
// every few milliseconds meanwhile. `work` must share nothing unguarded with
// what `between` may run. Whatever `between` throws passes through once the
// work has ended.
template <typename Work>
auto KeepingTurn(Work work, const std::function<void()>& between) -> decltype(work()) {
  auto result = std::async(std::launch::async, std::move(work));
  while (result.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
    if (between) between();
  }
  return result.get();
}

}  // namespace kavero
