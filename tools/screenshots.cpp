// Pictures of KAVERO for the README: the start screen, and the results screen
// after a full run with one match clicked; or, with "--report yes", the results
// screen of a run whose site stops part-way, with its run report open; or,
// with "--past-seasons yes", "Check on past seasons…" on the shipped seasons.
//
//   kavero-screenshots --site http://127.0.0.1:PORT/ --out DIR [--row N] [--report yes]
//       [--past-seasons yes]
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <algorithm>

#include "app/app_style.h"
#include "app/main_window.h"
#include "app/past_seasons_dialog.h"
#include "driver.h"
#include "web/curl/clients.h"

int main(int argc, char** argv) {
  const auto options = kavero::tools::ReadOptions(
      argc, argv,
      {{"site", ""}, {"out", "."}, {"row", "3"}, {"report", "no"}, {"past-seasons", "no"}},
      "--site URL --out DIR [--row N] [--report yes] [--past-seasons yes]");
  if (!options) return 2;
  const std::string& site = options->at("site");
  const QDir out(QString::fromStdString(options->at("out")));
  const int row = std::stoi(options->at("row"));
  int qt_argc = 1;
  QApplication application(qt_argc, argv);
  kavero::app::ApplyCalmStyle(application);
  kavero::app::MainWindow window(kavero::CurlClients(), kavero::tools::ConfigForSite(site));
  window.show();

  if (options->at("past-seasons") == "yes") {
    window.choose_seasons = [](const QString& shipped) { return QStringList{shipped}; };
    QTimer::singleShot(300, [&] {
      window.PastSeasonsClick();
      auto* dialog =
          window.findChild<kavero::app::PastSeasonsDialog*>(QStringLiteral("PastSeasons"));
      QObject::connect(dialog, &kavero::app::PastSeasonsDialog::Finished,
                       [&out, &application, dialog] {
                         QTimer::singleShot(300, [&out, &application, dialog] {
                           dialog->grab().save(out.filePath(QStringLiteral("past-seasons.png")));
                           application.quit();
                         });
                       });
    });
    return application.exec();
  }

  if (options->at("report") == "yes") {
    QTimer::singleShot(300, [&] {
      window.findChild<QCheckBox*>(QStringLiteral("ch"))->setChecked(false);
      window.findChild<QPushButton*>(QStringLiteral("spSkinXFormButton1"))->click();
      auto* status = window.findChild<QWidget*>(QStringLiteral("statusLine"));
      QMouseEvent press(QEvent::MouseButtonPress, QPointF(4, 4), status->mapToGlobal(QPointF(4, 4)),
                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(status, &press);
      // The table scrolled to where the rows not read begin.
      const auto& rows = window.Core().Rows(kavero::Grid::kAll);
      const auto first = std::find_if(rows.begin(), rows.end(),
                                      [](const auto& match) { return match.steps_not_read; });
      auto* grid = window.findChild<QTableView*>(QStringLiteral("NextGrid1"));
      const int row = std::max(0, static_cast<int>(first - rows.begin()) - 6);
      grid->scrollTo(grid->model()->index(row, 1), QAbstractItemView::PositionAtTop);
      auto* report = window.findChild<QWidget*>(QStringLiteral("RunReport"));
      report->resize(560, 300);
      QTimer::singleShot(300, [&window, &out, &application, report] {
        // The report drawn over the detail tables, as it opens beside the window.
        QPixmap picture = window.grab();
        const QPixmap report_picture = report->grab();
        QPainter painter(&picture);
        painter.drawPixmap(picture.width() - report_picture.width() - 8,
                           picture.height() - report_picture.height() - 8, report_picture);
        painter.end();
        picture.save(out.filePath(QStringLiteral("run-report.png")));
        application.quit();
      });
    });
    return application.exec();
  }

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
