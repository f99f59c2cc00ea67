#include "app/window_config.h"

#include <QCoreApplication>
#include <QLocale>
#include <filesystem>

#include "app/regional.h"
#include "app/report_log.h"
#include "base/data_folder.h"
#include "web/addresses.h"

namespace kavero::app {

WindowConfig DefaultWindowConfig() {
  WindowConfig config;
  config.bookmaker_site = std::string(BookmakerSite);
  config.publishing_server = std::string(PublishingServer);
  config.home_page = std::string(PublisherHomePage);
  const auto program_folder = QCoreApplication::applicationDirPath().toStdString();
  config.saves_path = (FolderForFiles(program_folder, UserDataFolder()) / "saves.txt").string();
  config.previous_saves_folder = UserDataFolder().string();
  config.regional = RegionalSettingsOf(QLocale::system());
  config.report_log_path = DefaultReportLogPath();
  config.history_folder = std::filesystem::path(config.report_log_path).parent_path().string();
  return config;
}

}  // namespace kavero::app
