#include "app/background_get.h"

namespace kavero::app {
namespace {

constexpr int kTimerMs = 15;
constexpr int kWaitMs = 10;

}  // namespace

BackgroundGet::BackgroundGet(const SessionClient& client, std::string address,
                             std::function<void(FetchResult)> done, QObject* parent)
    : QObject(parent),
      fetcher_(client.NewPageBatch()),
      address_(std::move(address)),
      done_(std::move(done)) {
  fetcher_->Start(address_);
  connect(&timer_, &QTimer::timeout, this, [this] { Step(0); });
  timer_.start(kTimerMs);
}

BackgroundGet::~BackgroundGet() = default;

void BackgroundGet::Wait(const std::function<void()>& between) {
  while (!finished_) {
    Step(kWaitMs);
    if (!finished_ && between) between();
  }
}

void BackgroundGet::Step(int wait_ms) {
  if (finished_) return;
  fetcher_->Poll(std::chrono::milliseconds(wait_ms));
  if (!fetcher_->IsDone(address_)) return;
  finished_ = true;
  timer_.stop();
  done_(fetcher_->Take(address_));
}

}  // namespace kavero::app
