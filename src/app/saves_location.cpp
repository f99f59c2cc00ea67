#include "app/saves_location.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace kavero::app {

bool FolderTakesFiles(const QString& folder) {
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".kavero-probe-XXXXXX")));
  return probe.open();  // removed again when probe goes
}

QString SavesPath(const QString& program_folder, const QString& data_folder,
                  const std::function<bool(const QString&)>& folder_takes_files) {
  const QString name = QStringLiteral("saves.txt");
  if (folder_takes_files(program_folder)) return QDir(program_folder).filePath(name);
  QDir().mkpath(data_folder);
  return QDir(data_folder).filePath(name);
}

QString UserDataFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
      .filePath(QStringLiteral("kavero"));
}

}  // namespace kavero::app
