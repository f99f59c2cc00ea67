#pragma once
// A bare TCP listener on 127.0.0.1 for byte-level checks: it records every
// request exactly as received and answers with canned bytes, then closes the
// connection. Without a canned answer it holds the connection silently.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace kavero::testing {

class RawListener {
 public:
  explicit RawListener(std::optional<std::string> answer) : answer_(std::move(answer)) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    bind(listener_, reinterpret_cast<sockaddr*>(&address), length);
    listen(listener_, 8);
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~RawListener() {
    stop_ = true;
    thread_.join();
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

 private:
  // Waits up to 50 ms for `fd` to become readable, so that stop_ is seen.
  static bool Readable(int fd) {
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, 50) > 0;
  }

  void Serve() {
    while (!stop_) {
      if (!Readable(listener_)) continue;
      const int connection = accept(listener_, nullptr, nullptr);
      if (connection < 0) continue;
      ++connections_;
      const std::string request = ReadRequest(connection);
      {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
      }
      if (answer_) {
        send(connection, answer_->data(), answer_->size(), MSG_NOSIGNAL);
      } else {
        while (!stop_) Readable(connection);
      }
      close(connection);
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

  std::optional<std::string> answer_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<int> connections_{0};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

}  // namespace kavero::testing
