#pragma once
// A window pointed at a loopback publisher and a temporary folder, with its
// message boxes and browser requests recorded instead of shown.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "app/main_window.h"
#include "base/encoding.h"
#include "support/loopback_server.h"
#include "web/curl/clients.h"

namespace kavero::app::testing {

// The whole content of a file, as bytes.
inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Windows-1251 bytes of a UTF-8 text.
inline std::string W(std::string_view utf8) {
  return Utf8ToCp1251(utf8).value();
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("kavero-app-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    window_.reset();
    // The server's threads may still be answering the window's last request:
    // stop them before a derived fixture's site, which they write to, goes.
    server_.Stop();
    std::filesystem::remove_all(folder_);
  }

  WindowConfig Config(const std::string& publishing_server) const {
    WindowConfig config;
    config.bookmaker_site = publishing_server;
    config.publishing_server = publishing_server;
    config.home_page = "http://home.example/";
    config.saves_path = (folder_ / "saves.txt").string();
    config.regional = {"dd.MM.yyyy", ','};
    config.report_log_path = (folder_ / "run-report.log").string();
    return config;
  }

  // A window whose team page list has loaded (or failed), as before any click.
  MainWindow& Open(const WindowConfig& config) {
    OpenAtOnce(config);
    window_->AwaitTeamPageList();
    return *window_;
  }
  // The window as start-up leaves it, its team page list possibly still loading.
  MainWindow& OpenAtOnce(const WindowConfig& config) {
    window_ = std::make_unique<MainWindow>(CurlClients(), config);
    window_->show_information = [this](const QString& text) { information_ << text; };
    window_->show_error = [this](const QString& text) { errors_ << text; };
    window_->open_url = [this](const QUrl& url) {
      opened_ << url.toString();
      return browser_opens_;
    };
    return *window_;
  }
  // A window whose publisher is the test's loopback server, started here.
  MainWindow& OpenWithServer() {
    server_.Start();
    return Open(Config(server_.base()));
  }

  template <typename Widget = QWidget>
  Widget* Control(const char* name) {
    auto* widget = window_->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString Caption(const char* name) { return Control<QLabel>(name)->text(); }
  // Start pressed with the box ticked or not.
  void Start(bool read_statistics) {
    Control<QCheckBox>("ch")->setChecked(!read_statistics);
    Control<QPushButton>("spSkinXFormButton1")->click();
  }

  kavero::testing::LoopbackServer server_;
  std::filesystem::path folder_;
  std::unique_ptr<MainWindow> window_;
  QStringList information_;
  QStringList errors_;
  QStringList opened_;
  bool browser_opens_ = true;  // what open_url answers
};

}  // namespace kavero::app::testing
