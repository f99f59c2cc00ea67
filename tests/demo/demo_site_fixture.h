#pragma once
// The demo site served from a real loopback server, its published tables in a
// fresh temporary folder.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "site.h"
#include "support/loopback_server.h"
#include "world.h"

namespace kavero::demo::testing {

inline Day TestToday() {
  return Day(std::chrono::year(2026) / 12 / 10);
}

inline WorldOptions TestWorldOptions(int matches = 300) {
  WorldOptions options;
  options.matches = matches;
  options.today = TestToday();
  return options;
}

inline World TestWorld(int matches = 300) {
  return BuildWorld(TestWorldOptions(matches));
}

class DemoSiteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "kavero-demo-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    storage_ = root_ / "storage";
    std::filesystem::create_directory(storage_);
    site_ = std::make_unique<DemoSite>(TestWorldOptions(), storage_, SiteOptions{{}, &log_});
    site_->Register(server_.server());
    server_.Start();
    site_->WidenBacklog();
  }
  void TearDown() override {
    server_.Stop();
    std::filesystem::remove_all(root_);
  }

  std::string base() const { return server_.base(); }
  httplib::Client Client() const {
    httplib::Client client("127.0.0.1", server_.port());
    client.set_url_encode(false);  // paths travel exactly as the test writes them
    return client;
  }

  std::filesystem::path root_, storage_;
  std::ostringstream log_;
  std::unique_ptr<DemoSite> site_;
  kavero::testing::LoopbackServer server_;
};

}  // namespace kavero::demo::testing
