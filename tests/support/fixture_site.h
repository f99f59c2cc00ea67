#pragma once
// A small bookmaker and publisher on loopback for whole-run tests: one
// championship of a few matches, their statistics pages, the publisher's
// files and its publishing exchange, every request recorded.
#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "base/encoding.h"
#include "base/match_table.h"
#include "support/loopback_server.h"

namespace kavero::testing {

// Windows-1251 bytes of a UTF-8 text.
inline std::string InCp1251(std::string_view utf8) {
  return Utf8ToCp1251(utf8).value();
}

struct FixtureMatch {
  std::string date;  // as the line writes it, dd.mm.yyyy
  std::string home;  // UTF-8
  std::string away;  // UTF-8
  std::string link;  // statistics page link, relative
};

struct HistoryLine {
  std::string date, match, score;  // UTF-8
};

// A statistics page: the two recent-results tables and the head-to-head table.
inline std::string StatisticsPage(const std::vector<HistoryLine>& first,
                                  const std::vector<HistoryLine>& second,
                                  const std::vector<HistoryLine>& head_to_head = {}) {
  const auto table = [](const std::string& title, const std::vector<HistoryLine>& lines) {
    std::string html = "<table><tr><td colspan=3>" + title +
                       "</td></tr><tr><td>Дата</td><td>Матч</td><td>Счет</td></tr>";
    for (const auto& line : lines) {
      html += "<tr><td>" + line.date + "</td><td>" + line.match + "</td><td>" + line.score +
              "</td></tr>";
    }
    return html + "</table>\n";
  };
  return "<html><body>" + table("Последние матчи", first) + table("Последние матчи", second) +
         table("Очные встречи", head_to_head) + "</body></html>";
}

// The worked example of the indicators: Step1 2.5, Step2 1.78125 for the
// names a and b (1.96875 when neither name occurs in the rows).
inline std::string WorkedExamplePage(const std::string& a = "A", const std::string& b = "B") {
  return StatisticsPage({{"01.12.2026", a + " - X", "2:1 (1:0)"},
                         {"02.12.2026", "Y - " + a, "0:0 (0:0)"},
                         {"03.12.2026", a + " - Z", "1:1 (0:1)"},
                         {"04.12.2026", "W - " + a, "3:0 (2:0)"}},
                        {{"01.12.2026", b + " - X", "1:2 (0:1)"},
                         {"02.12.2026", "Y - " + b, "2:2 (1:1)"},
                         {"03.12.2026", b + " - Z", "0:1 (0:0)"},
                         {"04.12.2026", "W - " + b, "4:1 (2:1)"}});
}

// For the names A and B: Step1 -9 and Step2 12.34375 (the 0:98 is an away
// match of A, weighted twice).
inline std::string LopsidedPage() {
  return StatisticsPage({{"01.12.2026", "A - X", "1:0 (1:0)"},
                         {"02.12.2026", "X - A", "0:98 (0:50)"},
                         {"03.12.2026", "A - Z", "0:0 (0:0)"},
                         {"04.12.2026", "A - W", "0:0 (0:0)"}},
                        {{"01.12.2026", "B - X", "0:0 (0:0)"},
                         {"02.12.2026", "B - Y", "0:0 (0:0)"},
                         {"03.12.2026", "B - Z", "0:0 (0:0)"},
                         {"04.12.2026", "B - W", "0:0 (0:0)"}},
                        {{"05.11.2026", "Арсенал - Челси", "1:1 (0:0)"}});
}

// Step1 4 and Step2 2.53125: between both pairs of thresholds.
inline std::string MiddlingPage() {
  return StatisticsPage({{"01.12.2026", "A - X", "3:3 (1:1)"},
                         {"02.12.2026", "A - X", "2:2 (0:0)"},
                         {"03.12.2026", "A - X", "2:2 (1:1)"},
                         {"04.12.2026", "A - X", "0:0 (0:0)"}},
                        {{"01.12.2026", "B - X", "3:3 (1:1)"},
                         {"02.12.2026", "B - X", "2:2 (0:0)"},
                         {"03.12.2026", "B - X", "1:1 (1:1)"},
                         {"04.12.2026", "B - X", "1:0 (0:0)"}});
}

// A match of A and B on 28.12.2026 whose statistics page is at `link`.
inline MatchRow LinkedRow(const std::string& link) {
  MatchRow row;
  row.date = "28.12.2026";
  row.home = "A";
  row.away = "B";
  row.url = link;
  return row;
}

class FixtureSite {
 public:
  std::vector<FixtureMatch> matches;
  std::map<std::string, std::string> pages;  // path -> body, served as they are
  bool today_published = false;

  void Serve(LoopbackServer& server) {
    // A publisher without team pages still has its (empty) team list.
    pages.try_emplace("/brr/beturl.txt");
    auto& http = server.server();
    // Noted before the answer goes out, so that a test that has read an
    // answer finds its request among the targets.
    http.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response&) {
      std::lock_guard lock(mutex_);
      targets_.push_back(request.method + " " + request.target);
      return httplib::Server::HandlerResponse::Unhandled;
    });
    http.Get("/bets/bets.php", [this](const httplib::Request&, httplib::Response& response) {
      const std::string menu =
          matches.empty()
              ? "<html>" + InCp1251("Футбол") + "<br>" + InCp1251("долгосрочные") + "</html>"
              : "<html>" + InCp1251("Футбол") +
                    "<br><input type=checkbox name=\"line_id[]\" value=\"7\">" +
                    InCp1251("Футбол. Англия. Премьер-лига<br>долгосрочные") + "</html>";
      response.set_content(menu, "text/html");
    });
    http.Get("/bets/bets2.php", [this](const httplib::Request&, httplib::Response& response) {
      response.set_content(matches.empty() ? std::string("<html></html>") : LinePage(),
                           "text/html");
    });
    http.Get(R"(/kavero/(.+)\.txt)", [this](const httplib::Request&, httplib::Response& response) {
      response.status = today_published ? 200 : 404;
    });
    http.Post("/kavero/file.php", [this](const httplib::Request& request, httplib::Response&) {
      std::lock_guard lock(mutex_);
      posts_.push_back(request.body);
    });
    http.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
      const auto page = pages.find(request.path);
      if (page == pages.end()) {
        response.status = 404;
      } else {
        response.set_content(page->second, "text/html");
      }
    });
  }

  std::vector<std::string> Targets() {
    std::lock_guard lock(mutex_);
    return targets_;
  }
  std::vector<std::string> Posts() {
    std::lock_guard lock(mutex_);
    return posts_;
  }
  bool Requested(const std::string& fragment) {
    for (const auto& target : Targets()) {
      if (target.find(fragment) != std::string::npos) return true;
    }
    return false;
  }

 private:
  std::string LinePage() const {
    std::string html = InCp1251("Футбол. Англия. Премьер-лига:") + "<table><tr><td>#</td></tr>\n";
    std::string date;
    for (const auto& match : matches) {
      if (match.date != date) {
        date = match.date;
        html += "<tr><td colspan=18>" + date + "</td></tr>\n<tr><td>" + InCp1251("Время") +
                "</td><td>1</td></tr>\n";
      }
      html += "<tr><td>19:00</td><td>" + InCp1251(match.home) +
              "</td><td>1.5</td><td>3.4</td><td>" + InCp1251(match.away) + "</td>";
      for (int cell = 6; cell <= 13; ++cell) html += "<td>2.0</td>";
      html += "<td>2.5</td><td>1.9</td><td>1.8</td><td>-</td><td><a href=\"" + match.link +
              "\">s</a></td></tr>\n";
    }
    return html + "</table><input type=submit name=cc value=go>";
  }

  std::mutex mutex_;
  std::vector<std::string> targets_;
  std::vector<std::string> posts_;
};

// Three matches whose statistics pages (the worked example) answer 500: the
// one numbered `broken`, and every one while `failing` holds. Serve it before
// the site.
struct FailingStatistics {
  std::string broken = "none";
  std::atomic<bool> failing = false;

  void Serve(FixtureSite& site, LoopbackServer& server) {
    site.matches = {{"28.12.2026", "A", "B", "stat/1.html"},
                    {"28.12.2026", "C", "D", "stat/2.html"},
                    {"28.12.2026", "E", "F", "stat/3.html"}};
    server.server().Get(R"(/stat/(\d)\.html)",
                        [this](const httplib::Request& request, httplib::Response& response) {
                          if (failing || request.matches[1] == broken) {
                            response.status = 500;
                            return;
                          }
                          response.set_content(WorkedExamplePage(), "text/html");
                        });
  }
};

}  // namespace kavero::testing
