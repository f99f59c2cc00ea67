#include "app/report_log.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kavero::app {

void WriteReportLog(const std::string& path, const QStringList& lines, bool new_run) {
  if (path.empty() || (lines.isEmpty() && !new_run)) return;
  const QString file_path = QString::fromStdString(path);
  QDir().mkpath(QFileInfo(file_path).absolutePath());
  QFile file(file_path);
  const auto mode =
      QIODevice::WriteOnly | QIODevice::Text | (new_run ? QIODevice::Truncate : QIODevice::Append);
  if (!file.open(mode)) return;
  const QString now = QDateTime::currentDateTime().toString(Qt::ISODate);
  for (const QString& line : lines) file.write((now + QLatin1Char('\t') + line + '\n').toUtf8());
}

std::string DefaultReportLogPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  return QDir(folder).filePath(QStringLiteral("run-report.log")).toStdString();
}

}  // namespace kavero::app
