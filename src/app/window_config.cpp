#include "app/window_config.h"

#include <QCoreApplication>
#include <QLocale>

#include "app/regional.h"
#include "app/report_log.h"
#include "app/saves_location.h"
#include "web/addresses.h"

namespace kavero::app {

WindowConfig DefaultWindowConfig() {
  WindowConfig config;
  config.bookmaker_site = std::string(BookmakerSite);
  config.publishing_server = std::string(PublishingServer);
  config.home_page = std::string(PublisherHomePage);
  config.saves_path =
      SavesPath(QCoreApplication::applicationDirPath(), UserDataFolder()).toStdString();
  config.previous_saves_folder = UserDataFolder().toStdString();
  config.regional = RegionalSettingsOf(QLocale::system());
  config.report_log_path = DefaultReportLogPath();
  return config;
}

}  // namespace kavero::app
