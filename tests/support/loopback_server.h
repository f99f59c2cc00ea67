#pragma once
// A real HTTP server on 127.0.0.1 and an ephemeral port, for tests.
#include <httplib.h>

#include <string>
#include <thread>

namespace kavero::testing {

class LoopbackServer {
 public:
  LoopbackServer() = default;
  ~LoopbackServer() { Stop(); }
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  httplib::Server& server() { return server_; }

  // Binds and starts serving; register the routes first.
  void Start() {
    port_ = server_.bind_to_any_port("127.0.0.1");
    // The socket listens from here on; connections queue until the loop runs.
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    // stop() does nothing until the loop runs: wait for it.
    while (!server_.is_running()) std::this_thread::yield();
  }
  void Stop() {
    if (!thread_.joinable()) return;
    server_.stop();
    thread_.join();
  }

  int port() const { return port_; }
  std::string base() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

 private:
  httplib::Server server_;
  std::thread thread_;
  int port_ = 0;
};

}  // namespace kavero::testing
