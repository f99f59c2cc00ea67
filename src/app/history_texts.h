#pragma once
// The history in the window's words: the line's movement in the odds cells'
// hints and the detail area, and what the status line adds after a run.
#include <QDateTime>
#include <QString>

#include "analysis/run_history.h"
#include "base/language.h"
#include "base/page_report.h"
#include "history/run_record.h"

namespace kavero::app {

// The time the history keeps runs by, read off a clock of the window's.
history::RunClock RunClockOf(const QDateTime& now);

// The odds cell's movement hint; "" when that side did not move.
QString CellHint(const RunHistory& history, const MatchRow& row, history::OddsSide side,
                 Language language, char decimal_separator);
// Both odds' movement on one line, for the detail area; "" when neither moved.
QString DetailLine(const RunHistory& history, const MatchRow& row, Language language,
                   char decimal_separator);

// What the status line adds after a run: a file moved aside (told once)
// and a history not saved.
QString TakeStatusNote(RunHistory& history, Language language);
// `report` with a line saying that history was not saved, when it was not.
PageReport WithProblem(const RunHistory& history, PageReport report, Language language);

}  // namespace kavero::app
