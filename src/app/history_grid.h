#pragma once
// The history tables SG1, SG2 and SG3 keep every text readable within their
// layout size.
#include <QTableWidget>

namespace kavero::app {

// Layout widths of the "Date" and "Home - Away" columns; "Score" is 55 wide,
// 57 in SG3.
inline constexpr int kHistoryDateWidth = 61;
inline constexpr int kHistoryMatchWidth = 186;

// After the rows change: while the rows need the vertical scroll bar, "Home -
// Away" gives up the bar's width so that "Score" stays whole; a text that its
// column still cuts shows whole as the cell's hint.
void FitHistoryGrid(QTableWidget* grid);

}  // namespace kavero::app
