#pragma once
// The run report: every page that failed or was not understood, with its
// address, the reason and its match, in a window of its own beside the main
// one, with the path of the log that keeps it.
#include <QWidget>

#include "base/language.h"
#include "base/page_report.h"

namespace kavero::app {

// Opens the report (replacing one already open) and returns it; `log_path`
// "" when no log is written.
QWidget* ShowRunReport(QWidget* owner, const PageReport& report, Language language,
                       const QString& log_path);

}  // namespace kavero::app
