#pragma once
// The demo site's HTTP answers: the bookmaker's pages, the league sites' team
// pages and the publisher's files and publishing exchange, on one server.
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <filesystem>
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
  DemoSite(World world, const std::filesystem::path& storage, SiteOptions options);

  // Installs the routes, the request log and the size limits; the site must
  // outlive the server.
  void Register(httplib::Server& server);
  // The server listens with a queue of five waiting connections and drops
  // the rest when many clients connect at once; call this once it is bound.
  void WidenBacklog() const;

 private:
  void ServeLineTables(const httplib::Request& request, httplib::Response& response) const;
  void ServeStats(const httplib::Request& request, httplib::Response& response) const;
  void ServeTeam(const httplib::Request& request, httplib::Response& response) const;
  void ServePublished(const httplib::Request& request, httplib::Response& response) const;
  void Publish(std::string_view body, httplib::Response& response);
  httplib::Server::HandlerResponse BeforeRouting(const httplib::Request& request,
                                                 httplib::Response& response) const;
  void Log(const httplib::Request& request, const httplib::Response& response);

  World world_;
  PublishedStore store_;
  SiteOptions options_;
  std::string line_menu_, team_dictionary_, championship_dictionary_;
  std::mutex log_mutex_;
  std::atomic<int> listening_socket_{-1};
};

}  // namespace kavero::demo
