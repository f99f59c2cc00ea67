#include "results/save_results.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/cp1251_literal.h"
#include "results/saved_text.h"
#include "support/loopback_server.h"
#include "web/curl/curl_http_client.h"
#include "web/curl/url_probe.h"

namespace kavero {
namespace {

using namespace kavero::literals;
namespace fs = std::filesystem;

const std::string kToday = "05.03.2024";

MatchRow Row(std::string home, double step1, double step2) {
  MatchRow row;
  row.flag = 3;
  row.championship = "Лига"_w1251s;
  row.date = kToday;
  row.time = "18:00";
  row.home = std::move(home);
  row.away = "B";
  row.total = "2.5";
  row.under = "1.9";
  row.over = "1.9";
  row.url = "u";
  row.step1 = step1;
  row.step2 = step2;
  return row;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// A publisher on loopback whose file for today answers `probe_status`; it
// records every form posted and counts every request of any kind.
class SaveResultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("kavero-save-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    auto& http = publisher_.server();
    http.set_logger([this](const httplib::Request&, const httplib::Response&) { ++requests_; });
    http.Get("/kavero/" + kToday + ".txt", [this](const httplib::Request&, httplib::Response& res) {
      res.status = probe_status_;
      if (probe_status_ == 302) res.set_header("Location", "/elsewhere");
    });
    // The answer to a publication is ignored, so a failing one must not matter.
    http.Post("/kavero/file.php", [this](const httplib::Request& req, httplib::Response& res) {
      posts_.push_back(req.body);
      res.status = 500;
    });
    publisher_.Start();
  }
  void TearDown() override { fs::remove_all(folder_); }

  SaveContext Context(Language language, const fs::path& file) {
    return SaveContext{.language = language,
                       .today = kToday,
                       .decimal_separator = ',',
                       .file_path = file.string(),
                       .client = client_,
                       .publishing_server = publisher_.base(),
                       .probe = [](const std::string& address) { return UrlResponds(address); }};
  }
  SaveContext Context(Language language) { return Context(language, folder_ / "saves.txt"); }

  fs::path folder_;
  testing::LoopbackServer publisher_;
  CurlHttpClient client_;
  int probe_status_ = 404;
  std::vector<std::string> posts_;
  std::atomic<int> requests_{0};
};

TEST_F(SaveResultsTest, WritesElevenFieldsPerRowExactly) {
  SaveResults({Row("A", 2.25, 0), Row("C", 1, 1e-6)}, Context(Language::kEnglish));
  EXPECT_EQ(ReadFile(folder_ / "saves.txt"),
            "05.03.2024>>18:00>>A>>B>>2.5>>1.9>>1.9>>u>>2,25>>0>>" + "Лига"_w1251s +
                ">>\r\n"
                "05.03.2024>>18:00>>C>>B>>2.5>>1.9>>1.9>>u>>1>>1E-6>>" +
                "Лига"_w1251s + ">>\r\n");
}

TEST_F(SaveResultsTest, EverySaveReplacesTheWholeFile) {
  SaveResults({Row("A", 1, 2), Row("C", 3, 4)}, Context(Language::kEnglish));
  SaveResults({Row("D", 5, 6)}, Context(Language::kEnglish));
  EXPECT_EQ(ReadFile(folder_ / "saves.txt"), SavedText({Row("D", 5, 6)}, ','));
  SaveResults({}, Context(Language::kEnglish));
  EXPECT_EQ(fs::file_size(folder_ / "saves.txt"), 0u);
  // Nothing but the file itself is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(SaveResultsTest, ASaveReplacedByOtherContentIsKeptUnderItsDateTheLastTwenty) {
  const fs::path data = folder_ / "data";
  const auto save = [&](const MatchTable& table, int second) {
    SaveContext context = Context(Language::kEnglish);
    context.previous_saves_folder = data.string();
    context.now =
        "2026-03-05_10-00-" + std::string(second < 10 ? "0" : "") + std::to_string(second);
    SaveResults(table, context);
  };
  const auto kept = [&] {
    std::vector<std::string> names;
    if (!fs::exists(data)) return names;
    for (const auto& entry : fs::directory_iterator(data)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  };
  save({Row("A", 1, 2)}, 0);
  save({Row("A", 1, 2)}, 1);  // the same content: nothing to keep
  EXPECT_TRUE(kept().empty());
  save({}, 2);  // an empty table replaces the saved rows: they are kept
  ASSERT_EQ(kept(), std::vector<std::string>{"saves-2026-03-05_10-00-02.txt"});
  EXPECT_EQ(ReadFile(data / kept()[0]), SavedText({Row("A", 1, 2)}, ','));
  EXPECT_EQ(fs::file_size(folder_ / "saves.txt"), 0u);

  for (int second = 3; second < 30; ++second) save({Row("A", second, 2)}, second);
  const auto names = kept();
  ASSERT_EQ(names.size(), 20u);
  EXPECT_EQ(names.front(), "saves-2026-03-05_10-00-10.txt");
  EXPECT_EQ(ReadFile(data / names.back()), SavedText({Row("A", 28, 2)}, ','));
}

TEST_F(SaveResultsTest, AWriteProtectedFileStaysAndAReplacedFileKeepsItsMode) {
  const fs::path saves = folder_ / "saves.txt";
  std::ofstream(saves) << "old";
  // Read-only for everybody: also for a user whom the system lets past the bits.
  const auto read_only = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions(saves, read_only);
  try {
    SaveResults({Row("A", 1, 2)}, Context(Language::kEnglish));
    ADD_FAILURE() << "a write-protected file was replaced";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(std::string(error.what()),
              "Cannot create file \"" + saves.string() + "\". Permission denied");
  }
  EXPECT_EQ(ReadFile(saves), "old");
  EXPECT_EQ(fs::status(saves).permissions(), read_only);

  const auto own_mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(saves, own_mode);
  SaveResults({Row("A", 1, 2)}, Context(Language::kEnglish));
  EXPECT_EQ(ReadFile(saves), SavedText({Row("A", 1, 2)}, ','));
  EXPECT_EQ(fs::status(saves).permissions(), own_mode);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(SaveResultsTest, ASavedFileThatIsALinkIsWrittenThroughTheLink) {
  fs::create_directory(folder_ / "kept");
  std::ofstream(folder_ / "kept" / "table.txt") << "old";
  fs::create_symlink(folder_ / "kept" / "table.txt", folder_ / "saves.txt");
  SaveResults({Row("D", 5, 6)}, Context(Language::kEnglish));
  EXPECT_TRUE(fs::is_symlink(folder_ / "saves.txt"));
  EXPECT_EQ(ReadFile(folder_ / "kept" / "table.txt"), SavedText({Row("D", 5, 6)}, ','));
}

TEST_F(SaveResultsTest, PublishesInRussianOnlyWhileTodaysFileIsMissing) {
  struct Case {
    Language language;
    int probe_status;
    std::size_t posts;
    int requests;
  };
  const Case cases[] = {
      {Language::kRussian, 200, 0, 1}, {Language::kRussian, 302, 0, 1},
      {Language::kRussian, 404, 1, 2}, {Language::kRussian, 500, 1, 2},
      {Language::kEnglish, 404, 0, 0},
  };
  for (const auto& c : cases) {
    probe_status_ = c.probe_status;
    posts_.clear();
    requests_ = 0;
    fs::remove(folder_ / "saves.txt");
    SaveResults({Row("A", 1, 2)}, Context(c.language));
    const auto label =
        std::to_string(static_cast<int>(c.language)) + " " + std::to_string(c.probe_status);
    EXPECT_EQ(posts_.size(), c.posts) << label;
    EXPECT_EQ(requests_, c.requests) << label;
    // The local file is written whatever happened to the publication.
    EXPECT_EQ(ReadFile(folder_ / "saves.txt"), SavedText({Row("A", 1, 2)}, ',')) << label;
  }
}

TEST_F(SaveResultsTest, PublishedFormCarriesDateAndEncodedText) {
  SaveResults({Row("A", 1, 2)}, Context(Language::kRussian));
  ASSERT_EQ(posts_.size(), 1u);
  EXPECT_EQ(posts_[0],
            "datas=05%2E03%2E2024&stext="
            "05%2E03%2E2024%3E%3E18%3A00%3E%3EA%3E%3EB%3E%3E2%2E5%3E%3E1%2E9%3E%3E1%2E9%3E%3E"
            "u%3E%3E1%3E%3E2%3E%3E%CB%E8%E3%E0%3E%3E%0D%0A&");

  SaveResults({}, Context(Language::kRussian));
  ASSERT_EQ(posts_.size(), 2u);
  EXPECT_EQ(posts_[1], "datas=05%2E03%2E2024&stext=&");
  EXPECT_EQ(fs::file_size(folder_ / "saves.txt"), 0u);
}

TEST_F(SaveResultsTest, ProbesTodaysFileBeforePublishing) {
  std::vector<std::string> probed;
  auto context = Context(Language::kRussian);
  context.probe = [&](const std::string& address) {
    probed.push_back(address);
    return true;
  };
  SaveResults({}, context);
  EXPECT_EQ(probed, std::vector<std::string>{publisher_.base() + "kavero/05.03.2024.txt"});
  EXPECT_TRUE(posts_.empty());
}

TEST_F(SaveResultsTest, AnUnwritableFileFailsWithItsPathAfterPublishing) {
  const fs::path regular_file = folder_ / "plain";
  std::ofstream(regular_file) << "x";
  fs::create_directory(folder_ / "saves.txt");
  struct Case {
    fs::path path;
    std::string reason;
  };
  const Case cases[] = {
      {folder_ / "missing" / "saves.txt", "No such file or directory"},
      {regular_file / "saves.txt", "Not a directory"},
      {folder_ / "saves.txt", "Is a directory"},
  };
  for (const auto& c : cases) {
    posts_.clear();
    try {
      SaveResults({Row("A", 1, 2)}, Context(Language::kRussian, c.path));
      ADD_FAILURE() << "no error for " << c.path;
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(std::string(error.what()),
                "Cannot create file \"" + c.path.string() + "\". " + c.reason);
    }
    EXPECT_EQ(posts_.size(), 1u) << c.path;
  }
  // A failed replacement leaves no half-written file behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
  EXPECT_EQ(ReadFile(regular_file), "x");
}

}  // namespace
}  // namespace kavero
