#pragma once
// Ways a server can misbehave, as handlers for the raw listener, and a router
// that gives each request path its own behaviour.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "measure.h"
#include "support/raw_listener.h"
#include "web/curl/easy_setup.h"

namespace kavero::testing::hostile {

using Handler = RawListener::Handler;

inline std::string PathOf(const std::string& request) {
  const auto start = request.find(' ') + 1;
  return request.substr(start, request.find(' ', start) - start);
}

// A well-formed answer of `status` with `body`.
inline Handler Answer(std::string body, int status = 200) {
  return [body = std::move(body), status](int connection, const std::string&,
                                          const std::atomic<bool>&) {
    RawListener::SendAll(connection, "HTTP/1.1 " + std::to_string(status) +
                                         " X\r\nContent-Length: " + std::to_string(body.size()) +
                                         "\r\nConnection: close\r\n\r\n" + body);
  };
}

// Accepts the request and never says a word.
inline Handler Silent() {
  return [](int connection, const std::string&, const std::atomic<bool>& stop) {
    RawListener::WaitForClose(connection, stop);
  };
}

// The answer, status line included, one byte per `gap`.
inline Handler Trickle(std::chrono::milliseconds gap) {
  return [gap](int connection, const std::string&, const std::atomic<bool>& stop) {
    const std::string answer =
        "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n" + std::string(100000, 'x');
    for (char byte : answer) {
      if (stop || !RawListener::SendAll(connection, std::string_view(&byte, 1))) return;
      const auto until = std::chrono::steady_clock::now() + gap;
      while (!stop && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      }
    }
  };
}

// A body without a length that goes on as fast as the client takes it;
// `most_sent` keeps the body bytes of the connection that was sent the most.
inline Handler EndlessBody(const std::shared_ptr<std::atomic<std::size_t>>& most_sent =
                               std::make_shared<std::atomic<std::size_t>>(0)) {
  return [most_sent](int connection, const std::string&, const std::atomic<bool>& stop) {
    if (!RawListener::SendAll(connection, "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n")) {
      return;
    }
    const std::string chunk(std::size_t{64} * 1024, 'a');
    std::size_t sent = 0;
    while (!stop && RawListener::SendAll(connection, chunk)) {
      sent += chunk.size();
      std::size_t most = *most_sent;
      while (sent > most && !most_sent->compare_exchange_weak(most, sent)) {
      }
    }
  };
}

// Every address sends the client back to itself.
inline Handler RedirectLoop() {
  return [](int connection, const std::string& request, const std::atomic<bool>&) {
    RawListener::SendAll(connection, "HTTP/1.1 302 Found\r\nLocation: " + PathOf(request) +
                                         "\r\nContent-Length: 0\r\n\r\n");
  };
}

// Promises more body than it sends, then either hangs up or holds the line.
inline Handler ShortBody(bool hold_open) {
  return [hold_open](int connection, const std::string&, const std::atomic<bool>& stop) {
    RawListener::SendAll(connection, "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\nonly this");
    if (hold_open) RawListener::WaitForClose(connection, stop);
  };
}

// Each request path to its own handler; any other path is answered 404.
inline Handler Routes(std::map<std::string, Handler> routes) {
  return [routes = std::move(routes)](int connection, const std::string& request,
                                      const std::atomic<bool>& stop) {
    const auto route = routes.find(PathOf(request));
    if (route == routes.end()) {
      Answer("", 404)(connection, request, stop);
    } else {
      route->second(connection, request, stop);
    }
  };
}

// The client's limits in these tests: the real body cap, short time-outs.
inline HttpLimits ShortLimits() {
  using namespace std::chrono_literals;
  HttpLimits limits;
  limits.connect_timeout = 2s;
  limits.stall_timeout = 2s;
  return limits;
}

struct Misbehaviour {
  std::string name;
  Handler server;
  // The time-out that ends the exchange under ShortLimits, plus a second.
  // Zero for a body that never ends: the body cap ends it, as fast as the
  // machine reads.
  std::chrono::milliseconds within;
  // What the client keeps of the answer.
  std::string body_kept;
  // For a body that never ends: what the server managed to send.
  std::shared_ptr<std::atomic<std::size_t>> most_sent = nullptr;
};

// What the socket buffers of a loopback connection hold at most, with room.
inline constexpr std::size_t kBytesInFlight = std::size_t{32} << 20;

// The exchanges ended as the case says: `exchanges` in turn within their
// time-outs, or, for a body that never ends, with the client hanging up
// once it held the cap instead of reading on.
inline void ExpectEndedInTime(const Misbehaviour& m, double seconds, int exchanges = 1) {
  if (m.most_sent) {
    EXPECT_LE(m.most_sent->load(), ShortLimits().max_body + kBytesInFlight);
  } else {
    EXPECT_LT(seconds, TimeBound(exchanges * m.within));
  }
}

// Names the case in test output.
inline void PrintTo(const Misbehaviour& misbehaviour, std::ostream* out) {
  *out << misbehaviour.name;
}

inline std::vector<Misbehaviour> Misbehaviours() {
  using namespace std::chrono_literals;
  const std::size_t cap = ShortLimits().max_body;
  const auto most_sent = std::make_shared<std::atomic<std::size_t>>(0);
  return {
      {"accepts and never answers", Silent(), 3s, ""},
      // Each gap is shorter than the stall time-out, the rate below its 1 byte/s.
      {"one byte every 1.5 s", Trickle(1500ms), 3s, ""},
      // Stopped by the body cap, not by a clock.
      {"body that never ends", EndlessBody(most_sent), 0s, std::string(cap, 'a'), most_sent},
      {"302 to itself", RedirectLoop(), 1s, ""},
      {"Content-Length over the body, then closed", ShortBody(false), 1s, "only this"},
      {"Content-Length over the body, held open", ShortBody(true), 3s, "only this"},
  };
}

}  // namespace kavero::testing::hostile
