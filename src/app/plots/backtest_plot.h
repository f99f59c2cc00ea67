#pragma once
// The backtest's pictures: the reliability diagram of the window's and the
// market's chance of over 2.5, and the marks' returns, with their intervals.
#include <QImage>
#include <QString>

#include "backtest/backtest_report.h"

namespace kavero::app {

// The two charts one above the other, drawn at `size` pixels. Needs a QApplication.
QImage DrawBacktestPlot(const BacktestReport& report, QSize size);

// Writes the plot as SVG or PNG by the file name's ending; false when it
// cannot be written (the error says why).
bool WriteBacktestPlot(const BacktestReport& report, const QString& path, QString& error);

}  // namespace kavero::app
