#pragma once
// A bare TCP listener on 127.0.0.1 for byte-level checks: it records every
// request exactly as received and then either answers with canned bytes and
// closes the connection, holds the connection silently, or hands it to a
// handler that may misbehave in any way a real server could. Each connection
// is served on its own thread, so one held connection never blocks the next.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace kavero::testing {

class RawListener {
 public:
  // Serves one connection whose request has been read; `stop` turns true when
  // the listener is going away. The connection is closed after it returns.
  using Handler = std::function<void(int connection, const std::string& request,
                                     const std::atomic<bool>& stop)>;

  // With an answer: sends it and closes. Without: holds the connection until
  // the client gives up.
  explicit RawListener(std::optional<std::string> answer)
      : RawListener(
            answer ? Handler([bytes = *answer](int connection, const std::string&,
                                               const std::atomic<bool>&) {
              SendAll(connection, bytes);
            })
                   : Handler([](int connection, const std::string&, const std::atomic<bool>& stop) {
                       WaitForClose(connection, stop);
                     })) {}
  explicit RawListener(Handler handler) : handler_(std::move(handler)) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(listener_, 64) != 0) {
      throw std::runtime_error("no loopback listener");
    }
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~RawListener() {
    stop_ = true;
    thread_.join();
    for (auto& connection : connection_threads_) connection.join();
    close(listener_);
  }
  RawListener(const RawListener&) = delete;
  RawListener& operator=(const RawListener&) = delete;

  std::string base() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }
  int port() const { return port_; }
  int connections() const { return connections_; }
  std::vector<std::string> requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
  }

  // Waits up to `milliseconds` for `fd` to become readable (or closed).
  static bool Readable(int fd, int milliseconds = 50) {
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, milliseconds) > 0;
  }
  // False once the peer is gone.
  static bool SendAll(int connection, std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t sent = send(connection, bytes.data(), bytes.size(), MSG_NOSIGNAL);
      if (sent <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
  }
  // Reads and drops whatever arrives until the peer closes or `stop` turns true.
  static void WaitForClose(int connection, const std::atomic<bool>& stop) {
    char buffer[4096];
    while (!stop) {
      if (Readable(connection) && recv(connection, buffer, sizeof(buffer), 0) <= 0) return;
    }
  }

 private:
  void Serve() {
    while (!stop_) {
      if (!Readable(listener_)) continue;
      const int connection = accept(listener_, nullptr, nullptr);
      if (connection < 0) continue;
      ++connections_;
      connection_threads_.emplace_back([this, connection] {
        const std::string request = ReadRequest(connection);
        {
          std::lock_guard lock(mutex_);
          requests_.push_back(request);
        }
        handler_(connection, request, stop_);
        close(connection);
      });
    }
  }

  // Headers up to the empty line, then as many body bytes as Content-Length says.
  std::string ReadRequest(int connection) {
    std::string request;
    std::size_t wanted = std::string::npos;
    while (!stop_ && request.size() < wanted) {
      if (!Readable(connection)) continue;
      char buffer[4096];
      const ssize_t got = recv(connection, buffer, sizeof(buffer), 0);
      if (got <= 0) break;
      request.append(buffer, static_cast<std::size_t>(got));
      const auto end = request.find("\r\n\r\n");
      if (end == std::string::npos) continue;
      const auto length_at = request.find("Content-Length: ");
      const std::size_t body =
          length_at < end ? std::strtoul(&request[length_at + 16], nullptr, 10) : 0;
      wanted = end + 4 + body;
    }
    return request;
  }

  Handler handler_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<int> connections_{0};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::vector<std::thread> connection_threads_;  // touched by the accepting thread only
  std::thread thread_;
};

}  // namespace kavero::testing
