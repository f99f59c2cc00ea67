#pragma once
// The run report: every page that failed or was not understood, with its
// address and the reason, in a window of its own beside the main one.
#include <QWidget>

#include "base/page_report.h"

namespace kavero::app {

// Opens the report (replacing one already open) and returns it.
QWidget* ShowRunReport(QWidget* owner, const PageReport& report, bool russian);

}  // namespace kavero::app
