#pragma once
// The words of the status line and the run report, in both interface languages.
#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

#include "base/page_report.h"
#include "results/save_results.h"

namespace kavero::app {

// Why a page failed or was not understood.
QString ReasonText(const PageProblem& problem, bool russian);
// "address: reason", one line of the report.
QString ProblemLine(const PageProblem& problem, bool russian);

// After a run: "300 matches · 298 read · 2 not read"; without a statistics
// pass it says the indicators were not computed. `other_pages`: pages with
// problems besides the statistics pages of the rows not read.
QString RunSummaryText(std::size_t matches, bool statistics_read, std::size_t not_read,
                       std::size_t other_pages, bool russian);
// The line gave no match and a page of it is to blame.
QString LineNotReadText(const PageProblem& problem, bool russian);
// Added when the line was refused at the demo site's address.
QString StartDemoSiteText(bool russian);
// A row click whose statistics page could not be read.
QString MatchNotReadText(std::string_view home, std::string_view away, const PageProblem& problem,
                         bool russian);
// A row click that read its match, with pages that failed or were not understood.
QString MatchProblemsText(std::string_view home, std::string_view away, std::size_t pages,
                          bool russian);
// "Go Total All" with failures.
QString GoTotalAllText(std::size_t rows, std::size_t not_read, std::size_t pages, bool russian);

// Where a save wrote "saves.txt".
QString SavedToText(const std::string& path, bool russian);
// Whether the day's table was published, under which date and with how many
// matches, or why not; "" when nothing was to be published.
QString PublishingText(const SaveOutcome& outcome, std::string_view today, std::size_t matches,
                       bool russian);
// Rows of today's table that the run's publishing pass could not read.
QString PublishingNotReadText(std::size_t rows, bool russian);

QString StartAgainCaption(bool russian);
QString StopCaption(bool russian);
QString ReportTitle(bool russian);
// Address, reason, match.
QString ReportHeader(int column, bool russian);
QString ReportLogText(const QString& log_path, bool russian);
QString ReportEmptyText(bool russian);
QString ReportClickHint(bool russian);

}  // namespace kavero::app
