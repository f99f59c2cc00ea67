#pragma once
// How the goals model reads on screen: the Total cell's hint, the detail line,
// the edge mark of the odds cells and its explanation in their headers.
#include <QColor>
#include <QString>

#include "base/language.h"
#include "base/match_table.h"

namespace kavero::app {

// "Expected goals 2.84 · Over 2.5: 54 % (market 51 %, margin 6.1 %) · edge
// over +4.6 %, under −9.8 %", numbers with `decimal_separator`.
QString GoalsModelLine(const GoalsModel& model, Language language, char decimal_separator);

// "+4.6 %" or "−9.8 %" (a true minus sign), one decimal.
QString SignedPercent(double share, char decimal_separator);

// Whether the odds cell at `column` (6 under, 7 over) carries the edge mark.
bool EdgeMarked(const MatchRow& row, int column);
// The mark: bold text on this background, apart from the indicators' red and green.
QColor EdgeMarkBackground();
// The hint of the Under and Over headers, with the mark's record on real football.
QString EdgeMarkHint(Language language);

}  // namespace kavero::app
