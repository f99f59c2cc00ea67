#pragma once
// The analysis without a window: a loopback bookmaker and publisher, the real
// client, and an observer that notes what it is told.
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "analysis/analysis.h"
#include "support/fixture_site.h"
#include "web/curl/clients.h"

namespace kavero::testing {

constexpr Date kToday{2026, 12, 28};

// Notes every change with the size of the table as the observer finds it.
class NotingObserver : public AnalysisObserver {
 public:
  explicit NotingObserver(const Analysis*& analysis) : analysis_(analysis) {}

  void RowsAboutToChange(Grid grid, const RowsChange& change) override {
    Note("before", grid, change);
  }
  void RowsChanged(Grid grid, const RowsChange& change) override { Note("after", grid, change); }
  void DetailsChanged(const MatchDetails& details) override {
    details_.push_back(details.steps);
    computed_.push_back({details.step1, details.step2});
  }
  void StatusChanged(const Status& status) override { statuses_.push_back(status); }
  void StoppableChanged(bool stoppable) override {
    events_.push_back(stoppable ? "stoppable" : "not stoppable");
  }

  std::vector<std::string> events_;
  std::vector<MatchDetails::Steps> details_;
  std::vector<StepValues> computed_;
  std::vector<Status> statuses_;

 private:
  void Note(const char* when, Grid grid, const RowsChange& change) {
    static const char* const kKinds[] = {"reset", "insert", "remove", "values", "reorder"};
    if (change.kind == RowsChange::Kind::kValues) return;  // too many to list
    events_.push_back(std::string(when) + (grid == Grid::kAll ? " all " : " day ") +
                      kKinds[static_cast<int>(change.kind)] + " " + std::to_string(change.first) +
                      "+" + std::to_string(change.count) + " of " +
                      std::to_string(analysis_->Rows(grid).size()));
  }

  const Analysis*& analysis_;
};

class AnalysisTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("kavero-analysis-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    analysis_.reset();
    client_.reset();  // its connections kept alive would hold the server up
    server_.Stop();
    std::filesystem::remove_all(folder_);
  }

  // `change` adjusts the configuration before the analysis takes it.
  Analysis& Open(Language language, const std::function<void(AnalysisConfig&)>& change = nullptr) {
    // A test may have its own dictionary.
    site_.pages.try_emplace("/brr/basa.txt", InCp1251("Arsenal=Арсенал\r\nChelsea = Челси\r\n"));
    site_.Serve(server_);
    server_.Start();
    for (const auto& [name, path] : team_pages_) {
      site_.pages["/brr/beturl.txt"] += InCp1251(name) + ">>" + server_.base() + path + ">>\r\n";
    }
    const ClientFactories clients = CurlClients();
    client_ = clients.make_http_client({});
    AnalysisConfig config{.bookmaker_site = server_.base(),
                          .publishing_server = server_.base(),
                          .demo_site = "http://127.0.0.1:1/",
                          .short_date_format = "dd.MM.yyyy",
                          .decimal_separator = ',',
                          .saves_path = (folder_ / "saves.txt").string(),
                          .previous_saves_folder = "",
                          .probe_limits = {},
                          .history_folder = "",
                          .today = [] { return kToday; },
                          .clock = [] { return history::RunClock{}; }};
    if (change) change(config);
    analysis_ = std::make_unique<Analysis>(*client_, clients.url_responds, std::move(config),
                                           RunHooks{&gauge_, [this] { Pump(); }});
    shown_ = analysis_.get();
    analysis_->SetObserver(&observer_);
    analysis_->SetLanguage(language);
    if (language == Language::kEnglish) analysis_->FetchDictionaries();
    analysis_->TakeTeamList(client_->Get(analysis_->TeamListAddress()));
    return *analysis_;
  }

  std::string ReadFile(const std::string& name) const {
    std::ifstream file(folder_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

  void Pump() {
    ++pumps_;
    if (on_pump_) on_pump_();
  }

  std::filesystem::path folder_;
  FixtureSite site_;
  LoopbackServer server_;
  std::vector<std::pair<std::string, std::string>> team_pages_;
  std::unique_ptr<SessionClient> client_;
  Gauge gauge_;
  std::unique_ptr<Analysis> analysis_;
  const Analysis* shown_ = nullptr;
  NotingObserver observer_{shown_};
  int pumps_ = 0;
  std::function<void()> on_pump_;
};

}  // namespace kavero::testing
