#pragma once
// Opening an address in the desktop's browser, in a way that can tell when it
// failed: QDesktopServices::openUrl answers true although xdg-open found no
// browser.
#include <QString>
#include <QUrl>
#include <chrono>

namespace kavero::app {

// Starts `opener` with the address and waits, letting the window answer,
// until it ends or `wait` passes. True only when it started and ended with
// status 0 in time; an opener still running is left to go on.
bool OpenedInBrowser(const QUrl& url, const QString& opener = QStringLiteral("xdg-open"),
                     std::chrono::milliseconds wait = std::chrono::seconds(5));

}  // namespace kavero::app
