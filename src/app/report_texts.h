#pragma once
// The words of the status line and the run report, in both interface languages.
#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

#include "base/language.h"
#include "base/page_report.h"
#include "results/save_results.h"

namespace kavero::app {

// Why a page failed or was not understood.
QString ReasonText(const PageProblem& problem, Language language);
// "address: reason", one line of the report.
QString ProblemLine(const PageProblem& problem, Language language);

// After a run: "300 matches · 298 read · 2 not read"; without a statistics
// pass it says the indicators were not computed. `other_pages`: pages with
// problems besides the statistics pages of the rows not read.
QString RunSummaryText(std::size_t matches, bool statistics_read, std::size_t not_read,
                       std::size_t other_pages, Language language);
// The line gave no match and a page of it is to blame.
QString LineNotReadText(const PageProblem& problem, Language language);
// Added when the line was refused at the demo site's address.
QString StartDemoSiteText(Language language);
// A row click whose statistics page could not be read.
QString MatchNotReadText(std::string_view home, std::string_view away, const PageProblem& problem,
                         Language language);
// A row click that read its match, with pages that failed or were not understood.
QString MatchProblemsText(std::string_view home, std::string_view away, std::size_t pages,
                          Language language);
// "Go Total All" with failures.
QString GoTotalAllText(std::size_t rows, std::size_t not_read, std::size_t pages,
                       Language language);

// Where a save wrote "saves.txt".
QString SavedToText(const std::string& path, Language language);
// Whether the day's table was published, under which date and with how many
// matches, or why not; "" when nothing was to be published.
QString PublishingText(const SaveOutcome& outcome, std::string_view today, std::size_t matches,
                       Language language);
// Rows of today's table that the run's publishing pass could not read.
QString PublishingNotReadText(std::size_t rows, Language language);

QString StartAgainCaption(Language language);
QString StopCaption(Language language);
QString ReportTitle(Language language);
// Address, reason, match.
QString ReportHeader(int column, Language language);
QString ReportLogText(const QString& log_path, Language language);
QString ReportEmptyText(Language language);
QString ReportClickHint(Language language);

}  // namespace kavero::app
