// Pictures of KAVERO for the README: the start screen, and the results screen
// after a full run with one match clicked.
//
//   kavero-screenshots --site http://127.0.0.1:PORT/ --out DIR [--row N]
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTimer>

#include "app/app_style.h"
#include "app/main_window.h"
#include "driver.h"

int main(int argc, char** argv) {
  const auto options = kavero::tools::Options(argc, argv);
  const std::string site = kavero::tools::Option(options, "--site");
  const QDir out(QString::fromStdString(kavero::tools::Option(options, "--out", ".")));
  const int row = std::stoi(kavero::tools::Option(options, "--row", "3"));
  if (site.empty()) {
    std::fprintf(stderr, "usage: %s --site URL --out DIR [--row N]\n", argv[0]);
    return 2;
  }
  int qt_argc = 1;
  QApplication application(qt_argc, argv);
  kavero::app::ApplyCalmStyle(application);
  kavero::app::MainWindow window(kavero::tools::ConfigForSite(site));
  window.show();

  QTimer::singleShot(300, [&] {
    window.grab().save(out.filePath(QStringLiteral("start-screen.png")));
    window.findChild<QCheckBox*>(QStringLiteral("ch"))->setChecked(false);
    window.findChild<QPushButton*>(QStringLiteral("spSkinXFormButton1"))->click();
    window.NextGrid1CellClick(0, row);
    QTimer::singleShot(300, [&] {
      window.grab().save(out.filePath(QStringLiteral("results-screen.png")));
      application.quit();
    });
  });
  return application.exec();
}
