#include "app/window_config.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include "app/regional.h"
#include "app/report_log.h"
#include "web/addresses.h"

namespace kavero::app {

WindowConfig DefaultWindowConfig() {
  WindowConfig config;
  config.bookmaker_site = std::string(BookmakerSite);
  config.publishing_server = std::string(PublishingServer);
  config.home_page = std::string(PublisherHomePage);
  config.saves_path = QDir(QCoreApplication::applicationDirPath())
                          .filePath(QStringLiteral("saves.txt"))
                          .toStdString();
  config.regional = RegionalSettingsOf(QLocale::system());
  config.report_log_path = DefaultReportLogPath();
  return config;
}

}  // namespace kavero::app
