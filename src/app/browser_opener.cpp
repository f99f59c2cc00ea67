#include "app/browser_opener.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace kavero::app {

bool OpenedInBrowser(const QUrl& url, const QString& opener, std::chrono::milliseconds wait) {
  // Without a parent, so that an opener that outlives the wait (a browser
  // started in the foreground) is neither killed now nor at exit.
  auto* process = new QProcess;
  QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
  QEventLoop loop;
  QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
  QObject::connect(process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
  QTimer::singleShot(wait, &loop, &QEventLoop::quit);
  process->start(opener, {url.toString(QUrl::FullyEncoded)});
  if (process->state() != QProcess::NotRunning) loop.exec();
  if (process->state() != QProcess::NotRunning) return false;
  const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0 &&
                      process->error() == QProcess::UnknownError;
  if (process->error() == QProcess::FailedToStart) process->deleteLater();
  return opened;
}

}  // namespace kavero::app
