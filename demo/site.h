#pragma once
// The demo site's HTTP answers: the bookmaker's pages, the league sites' team
// pages and the publisher's files and publishing exchange, on one server, and
// the controls that move its world on in time.
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>

#include "published_store.h"
#include "world.h"

namespace kavero::demo {

// The largest publication body accepted.
inline constexpr std::size_t kMaxPublicationBody = std::size_t{4} * 1024 * 1024;

struct SiteOptions {
  std::chrono::milliseconds latency{0};  // waited before every answer
  std::ostream* log = nullptr;           // one line per request, when set
};

class DemoSite {
 public:
  // Starts on world.today at midnight.
  DemoSite(const WorldOptions& world, const std::filesystem::path& storage, SiteOptions options);

  // Installs the routes, the request log and the size limits; the site must
  // outlive the server.
  void Register(httplib::Server& server);
  // The server listens with a queue of five waiting connections and drops
  // the rest when many clients connect at once; call this once it is bound.
  void WidenBacklog() const;

 private:
  // The world at one moment; a request keeps the one it started with.
  struct Shown {
    Shown(const WorldOptions& options, Moment moment);
    Moment now;
    World world;
    std::string line_menu;
  };
  std::shared_ptr<const Shown> Current() const;

  // Moves the world to where `step` takes it from the current moment.
  void Move(const std::function<Moment(Moment)>& step, httplib::Response& response);
  void ServeToday(const httplib::Request& request, httplib::Response& response);
  void ServeLineTables(const httplib::Request& request, httplib::Response& response) const;
  void ServeStats(const httplib::Request& request, httplib::Response& response) const;
  void ServeTeam(const httplib::Request& request, httplib::Response& response) const;
  void ServePublished(const httplib::Request& request, httplib::Response& response) const;
  void Publish(std::string_view body, httplib::Response& response);
  httplib::Server::HandlerResponse BeforeRouting(const httplib::Request& request,
                                                 httplib::Response& response) const;
  void Log(const httplib::Request& request, const httplib::Response& response);

  WorldOptions world_options_;
  std::mutex move_mutex_;  // one move at a time, each from where the last one ended
  mutable std::mutex shown_mutex_;
  std::shared_ptr<const Shown> shown_;
  PublishedStore store_;
  SiteOptions options_;
  std::string team_dictionary_, championship_dictionary_;  // the clubs never change
  std::mutex log_mutex_;
  std::atomic<int> listening_socket_{-1};
};

}  // namespace kavero::demo
