#include "site.h"

#include <sys/socket.h>

#include <charconv>
#include <thread>

#include "form.h"
#include "help_pages.h"
#include "line_pages.h"
#include "publisher_files.h"
#include "stats_pages.h"
#include "team_pages.h"

namespace kavero::demo {
namespace {

constexpr const char* kCp1251Html = "text/html; charset=windows-1251";
constexpr const char* kUtf8Html = "text/html; charset=utf-8";
constexpr const char* kCp1251Text = "text/plain; charset=windows-1251";
constexpr const char* kPlainText = "text/plain; charset=utf-8";

int DecimalNumber(const std::string& digits) {
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  return error == std::errc() && end == digits.data() + digits.size() ? number : -1;
}

void Answer(httplib::Response& response, int status, const std::string& text) {
  response.status = status;
  response.set_content(text, kPlainText);
}

Moment NextHour(Moment now) {
  return now.hour == 23 ? Moment{now.day + std::chrono::days(1), 0} : Moment{now.day, now.hour + 1};
}

}  // namespace

DemoSite::Shown::Shown(const WorldOptions& options, Moment moment)
    : now(moment), world(BuildWorld(options, moment)), line_menu(LineMenuPage(world)) {}

DemoSite::DemoSite(const WorldOptions& world, const std::filesystem::path& storage,
                   SiteOptions options)
    : world_options_(world),
      shown_(std::make_shared<const Shown>(world, Moment{world.today, 0})),
      store_(storage),
      options_(options),
      team_dictionary_(TeamDictionaryFile(shown_->world)),
      championship_dictionary_(ChampionshipDictionaryFile(shown_->world)) {}

std::shared_ptr<const DemoSite::Shown> DemoSite::Current() const {
  std::lock_guard lock(shown_mutex_);
  return shown_;
}

void DemoSite::Register(httplib::Server& server) {
  using httplib::Request;
  using httplib::Response;
  // Only SO_REUSEADDR: the server's default also shares the port with any
  // other process that asks, so a second site would quietly split the requests.
  server.set_socket_options([this](socket_t socket) {
    const int yes = 1;
    ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    listening_socket_ = socket;
  });
  server.set_payload_max_length(kMaxPublicationBody);
  // Headers and body go out in separate writes; without this each answer
  // waits for the client's delayed acknowledgement.
  server.set_tcp_nodelay(true);
  server.set_pre_routing_handler([this](const Request& request, Response& response) {
    return BeforeRouting(request, response);
  });
  server.set_logger(
      [this](const Request& request, const Response& response) { Log(request, response); });

  server.Get(
      "/", [](const Request&, Response& response) { response.set_content(HomePage(), kUtf8Html); });
  server.Get("/index.php", [](const Request& request, Response& response) {
    if (request.get_param_value("option") == "com_content" &&
        request.get_param_value("id") == "193") {
      response.set_content(HelpPage(), kUtf8Html);
    } else {
      Answer(response, 404, "No such article\n");
    }
  });
  server.Get("/bets/bets.php", [this](const Request&, Response& response) {
    response.set_content(Current()->line_menu, kCp1251Html);
  });
  server.Get("/bets/bets2.php", [this](const Request& request, Response& response) {
    ServeLineTables(request, response);
  });
  server.Get(R"(/stat/(\d{1,9})\.html)",
             [this](const Request& request, Response& response) { ServeStats(request, response); });
  server.Get(R"(/teams/(ru|en)/(\d{1,9})\.html)",
             [this](const Request& request, Response& response) { ServeTeam(request, response); });
  server.Get("/brr/beturl.txt", [this](const Request& request, Response& response) {
    // The addresses name the port this answer goes out on.
    const std::string site = "http://127.0.0.1:" + std::to_string(request.local_port) + "/";
    response.set_content(TeamAddressList(Current()->world, site), kCp1251Text);
  });
  server.Get("/brr/basa.txt", [this](const Request&, Response& response) {
    response.set_content(team_dictionary_, kCp1251Text);
  });
  server.Get("/brr/chemp.txt", [this](const Request&, Response& response) {
    response.set_content(championship_dictionary_, kCp1251Text);
  });
  server.Get(R"(/kavero/(.+)\.txt)", [this](const Request& request, Response& response) {
    ServePublished(request, response);
  });
  // The body is read here rather than by the server, which would refuse any
  // urlencoded form over a few kilobytes: a day's table is far longer.
  server.Post("/kavero/file.php", [this](const Request&, Response& response,
                                         const httplib::ContentReader& read_content) {
    std::string body;
    const bool complete = read_content([&body](const char* data, std::size_t length) {
      if (body.size() + length > kMaxPublicationBody) return false;
      body.append(data, length);
      return true;
    });
    if (!complete) return Answer(response, 413, "Publication too large\n");
    Publish(body, response);
  });

  // The controls answer to a browser's address line and to a form alike.
  const auto control = [&server](const std::string& path, const httplib::Server::Handler& handler) {
    server.Get(path, handler);
    server.Post(path, handler);
  };
  control("/demo/next-day", [this](const Request&, Response& response) {
    Move([](Moment now) { return Moment{now.day + std::chrono::days(1), 0}; }, response);
  });
  control("/demo/next-hour",
          [this](const Request&, Response& response) { Move(NextHour, response); });
  control("/demo/today",
          [this](const Request& request, Response& response) { ServeToday(request, response); });
}

void DemoSite::WidenBacklog() const {
  if (listening_socket_ >= 0) ::listen(listening_socket_, SOMAXCONN);
}

httplib::Server::HandlerResponse DemoSite::BeforeRouting(const httplib::Request& request,
                                                         httplib::Response& response) const {
  if (options_.latency.count() > 0) std::this_thread::sleep_for(options_.latency);
  // Refuse an oversized body before reading any of it.
  if (request.has_header("Content-Length")) {
    const std::string length = request.get_header_value("Content-Length");
    unsigned long long bytes = 0;
    const auto [end, error] = std::from_chars(length.data(), length.data() + length.size(), bytes);
    if (error == std::errc::result_out_of_range ||
        (error == std::errc() && bytes > kMaxPublicationBody)) {
      response.set_header("Connection", "close");
      Answer(response, 413, "Publication too large\n");
      return httplib::Server::HandlerResponse::Handled;
    }
    if (error != std::errc() || end != length.data() + length.size()) {
      response.set_header("Connection", "close");
      Answer(response, 400, "Bad Content-Length\n");
      return httplib::Server::HandlerResponse::Handled;
    }
  }
  return httplib::Server::HandlerResponse::Unhandled;
}

void DemoSite::Move(const std::function<Moment(Moment)>& step, httplib::Response& response) {
  std::lock_guard moving(move_mutex_);
  const Moment now = step(Current()->now);
  const Day first = world_options_.today;
  if (now.day < first || now.day > first + kLongestMove) {
    return Answer(
        response, 400,
        "The demo moves from " + DayText(first) + " to " + DayText(first + kLongestMove) + "\n");
  }
  auto shown = std::make_shared<const Shown>(world_options_, now);
  {
    std::lock_guard lock(shown_mutex_);
    shown_ = std::move(shown);
  }
  Answer(response, 200, MomentText(now) + "\n");
}

void DemoSite::ServeToday(const httplib::Request& request, httplib::Response& response) {
  if (!request.has_param("date")) return Answer(response, 200, MomentText(Current()->now) + "\n");
  const std::string date = request.get_param_value("date");
  const auto day = ParseIsoDay(date);
  if (!day) return Answer(response, 400, "Invalid date: " + date + "\n");
  const int hour = request.has_param("hour") ? DecimalNumber(request.get_param_value("hour")) : 0;
  if (hour < 0 || hour > 23) {
    return Answer(response, 400, "Invalid hour: " + request.get_param_value("hour") + "\n");
  }
  Move([&](Moment) { return Moment{*day, hour}; }, response);
}

void DemoSite::ServeLineTables(const httplib::Request& request, httplib::Response& response) const {
  std::vector<std::string> line_ids;
  const std::size_t count = request.get_param_value_count("line_id[]");
  for (std::size_t i = 0; i < count; ++i)
    line_ids.push_back(request.get_param_value("line_id[]", i));
  response.set_content(LineTablesPage(Current()->world, line_ids), kCp1251Html);
}

void DemoSite::ServeStats(const httplib::Request& request, httplib::Response& response) const {
  if (auto page = StatsPage(Current()->world, DecimalNumber(request.matches[1]))) {
    response.set_content(*page, kUtf8Html);
  } else {
    Answer(response, 404, "No such match\n");
  }
}

void DemoSite::ServeTeam(const httplib::Request& request, httplib::Response& response) const {
  const Language language = request.matches[1] == "ru" ? Language::Russian : Language::English;
  if (auto page = TeamPage(Current()->world, DecimalNumber(request.matches[2]), language)) {
    response.set_content(*page, kUtf8Html);
  } else {
    Answer(response, 404, "No such team\n");
  }
}

void DemoSite::ServePublished(const httplib::Request& request, httplib::Response& response) const {
  if (auto table = store_.Read(request.matches[1].str())) {
    response.set_content(*table, kCp1251Text);
  } else {
    Answer(response, 404, "Not published\n");
  }
}

void DemoSite::Publish(std::string_view body, httplib::Response& response) {
  const auto date = FormField(body, "datas");
  const auto table = FormField(body, "stext");
  if (!date || !table) return Answer(response, 400, "Fields datas and stext are required\n");
  switch (store_.Publish(*date, *table)) {
    case PublishOutcome::Stored:
      return Answer(response, 200, "Published\n");
    case PublishOutcome::AlreadyPublished:
      return Answer(response, 409, "Already published for this date\n");
    case PublishOutcome::InvalidDate:
      return Answer(response, 400, "Invalid date\n");
    case PublishOutcome::StorageFailed:
      return Answer(response, 500, "Could not store the publication\n");
  }
}

void DemoSite::Log(const httplib::Request& request, const httplib::Response& response) {
  if (!options_.log) return;
  std::lock_guard lock(log_mutex_);
  *options_.log << request.method << ' ' << request.target << ' ' << response.status << std::endl;
}

}  // namespace kavero::demo
