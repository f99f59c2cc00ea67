// "Check on past seasons…" on the context menu of either match table, right
// after "Export CSV…".
#include <QFile>
#include <QMenu>
#include <QStyle>

#include "app/main_window.h"
#include "app/menu_items.h"
#include "app/past_seasons_dialog.h"

namespace kavero::app {

void MainWindow::BuildPastSeasonsItems() {
  const QIcon icon = style()->standardIcon(QStyle::SP_FileDialogContentsView);
  const auto add = [this, &icon](QMenu* menu, QAction* after, const char* name) {
    QAction* action = InsertMenuItemAfter(menu, after, icon, name);
    connect(action, &QAction::triggered, this, [this] { Guarded([this] { PastSeasonsClick(); }); });
    return action;
  };
  PastSeasons1 = add(spSkinPopupMenu1, ExportCsv1, "PastSeasons1");
  PastSeasons2 = add(spSkinPopupMenu2, ExportCsv2, "PastSeasons2");
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
