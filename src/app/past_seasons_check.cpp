// "Check on past seasons…" on the context menu of either match table, right
// after "Export CSV…".
#include <QFile>
#include <QMenu>
#include <QStyle>
#include <tuple>

#include "app/main_window.h"
#include "app/past_seasons_dialog.h"

namespace kavero::app {

void MainWindow::BuildPastSeasonsItems() {
  std::tie(PastSeasons1, PastSeasons2) =
      AddToBothMenus(style()->standardIcon(QStyle::SP_FileDialogContentsView), "PastSeasons",
                     ExportCsv1, ExportCsv2, &MainWindow::PastSeasonsClick);
  choose_seasons = [this](const QString& start) {
    return ChooseSeasons(this, start, captions_language_);
  };
}

void MainWindow::PastSeasonsClick() {
  const QStringList chosen = choose_seasons(ShippedSeasonsFolder());
  if (chosen.isEmpty()) return;
  std::vector<std::string> paths;
  for (const QString& path : chosen) paths.push_back(QFile::encodeName(path).toStdString());
  auto* dialog = new PastSeasonsDialog(captions_language_, this);
  dialog->show();
  dialog->Run(std::move(paths));
}

}  // namespace kavero::app
