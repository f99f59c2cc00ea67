#pragma once
// One GET made while the window answers: started at once through a fetcher on
// the client's settings and cookies, moved on by a timer, its answer handed
// over on the window's thread.
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "web/http_client.h"
#include "web/page_batch.h"
#include "web/session_client.h"

namespace kavero::app {

class BackgroundGet : public QObject {
 public:
  // `done` runs once, when the answer (or the failure) is in. The client must
  // outlive this object.
  BackgroundGet(const SessionClient& client, std::string address,
                std::function<void(FetchResult)> done, QObject* parent = nullptr);
  ~BackgroundGet() override;

  bool Finished() const { return finished_; }
  // Returns once the answer is in, calling `between` every few milliseconds
  // meanwhile; whatever it throws passes through.
  void Wait(const std::function<void()>& between);

 private:
  void Step(int wait_ms);

  std::unique_ptr<PageBatch> fetcher_;
  std::string address_;
  std::function<void(FetchResult)> done_;
  QTimer timer_;
  bool finished_ = false;
};

}  // namespace kavero::app
