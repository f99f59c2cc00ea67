#pragma once
// The analysis: the betting line read into a table, every match's statistics
// and indicators, the date filter, saving and publishing, in the language the
// user chose. It owns the program's state and does its work on the caller's
// thread; whoever shows it observes (analysis/analysis_observer.h) and lets
// the user act between the steps through the hooks.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis_config.h"
#include "analysis/analysis_observer.h"
#include "analysis/analysis_status.h"
#include "analysis/read_policy.h"
#include "analysis/run_history.h"
#include "base/language.h"
#include "base/match_table.h"
#include "base/page_report.h"
#include "base/run_hooks.h"
#include "stats/match_stats.h"
#include "stats/stats_pass.h"
#include "web/http_client.h"
#include "web/session_client.h"
#include "web/url_probe.h"

namespace kavero {

struct PastSeasonsCheck;  // analysis/past_seasons.h

class Analysis {
 public:
  // `hooks` carry the gauge and the callback that gives the window its turn;
  // the client and the observer must outlive the analysis.
  Analysis(SessionClient& client, UrlProbe url_responds, AnalysisConfig config, RunHooks hooks);

  void SetObserver(AnalysisObserver* observer) { observer_ = observer; }
  const AnalysisConfig& Config() const { return config_; }

  Language CurrentLanguage() const { return language_; }
  void SetLanguage(Language language) { language_ = language; }
  // Reads both dictionaries of English names; each keeps its old text when
  // its own request fails, the failure going into the next run's report.
  void FetchDictionaries();
  const std::string& TeamDictionary() const { return team_dictionary_; }
  const std::string& ChampionshipDictionary() const { return championship_dictionary_; }
  std::string TranslateTeam(std::string_view name) const;
  std::string TranslateChampionship(std::string_view name) const;

  // "brr/beturl.txt": where it is, forgetting it until it is read again, and
  // its answer taken in.
  std::string TeamListAddress() const;
  void ForgetTeamList();
  void TakeTeamList(const FetchResult& answer);
  const std::vector<std::string>& TeamPageList() const { return team_page_list_; }
  // Why the last read of the team list failed; a run reads it again then.
  bool TeamListFailed() const { return team_list_problem_.has_value(); }

  const MatchTable& Rows(Grid grid) const { return grid == Grid::kAll ? all_rows_ : day_rows_; }
  // Replaces a table's rows with rows read elsewhere.
  void TakeRows(Grid grid, MatchTable rows);
  // Puts the rows in another order: row k afterwards is row order[k] before.
  void Reorder(Grid grid, const std::vector<std::size_t>& order);
  // The match the details show, as last read.
  const MatchStats& Stats() const { return match_stats_; }
  RunHistory& History() { return history_; }
  const RunHistory& History() const { return history_; }

  // The run: the line read, names translated in English, the statistics pass
  // unless `statistics` is false...
  void ReadLine(bool statistics);
  // ...then, in Russian, today's table read and published unless it already
  // is, and the day's table saved. A save that fails is told by its message
  // (returned), and the run still ends with its table and status.
  std::optional<std::string> PublishAndSave();
  // Before a run starts again: no day's table, no match read.
  void StartAgain();

  // A click on row `row`: its pages read afresh, its indicators rounded as
  // their labels and coloured.
  void ReadRow(Grid grid, int row);
  // "Go Total All" over a table; the window gets its turn before each row's
  // colours (NextGrid1) or after them (NextGrid2).
  void RecomputeAll(Grid grid, ReadPolicy::Messages messages);
  // Asks the pass under way to stop before its next row.
  void Stop() { stop_requested_ = true; }

  // The distinct dates of NextGrid1, each followed by CR LF.
  std::string Dates() const;
  // NextGrid2 becomes the rows of `date`.
  void FilterByDate(std::string_view date);

  // Saves a table to "saves.txt" (publishing it in Russian); the status says how.
  void Save(Grid grid);
  // Writes a table, as it stands, to a CSV file at `path`.
  void ExportCsv(Grid grid, const std::string& path) const;

  // "Check on past seasons…": the season files and folders at `paths`
  // replayed at the average prices, the report worded in `language`. It reads
  // nothing of the analysis, so it may run on a thread of its own.
  static PastSeasonsCheck CheckPastSeasons(const std::vector<std::string>& paths,
                                           Language language);

  // The last run's summary, as the status line shows it.
  Status RunStatus() const;
  std::string TodayText() const;

 private:
  // Reads the rows from `first` to `end` of a table with `policy`: the one
  // loop behind the run's passes, a click and "Go Total All".
  ReadSummary ReadRows(Grid grid, std::size_t first, std::size_t end, const ReadPolicy& policy);
  MatchTable& Table(Grid grid) { return grid == Grid::kAll ? all_rows_ : day_rows_; }
  void ValuesChanged(Grid grid, std::size_t first, std::size_t count);
  void ShowStatus(const Status& status);
  void ProcessMessages() const { hooks_.ProcessMessages(); }
  StatsSources Sources();
  // One row: read, settled, computed and stored as the policy says; false when
  // its statistics page could not be read.
  bool ReadOne(Grid grid, std::size_t row, StatsPass& pass, const ReadPolicy& policy);
  void TranslationPass();
  void StatisticsPass();
  void PublishToday();
  SaveOutcome SaveTable(const MatchTable& table);
  void KeepMarks(const MatchTable& rows);

  SessionClient& client_;
  UrlProbe url_responds_;
  AnalysisConfig config_;
  RunHooks hooks_;
  AnalysisObserver* observer_ = nullptr;

  Language language_ = Language::kEnglish;
  std::string team_dictionary_;
  std::string championship_dictionary_;
  PageReport dictionary_problems_;  // the dictionaries' last requests that failed
  std::vector<std::string> team_page_list_;
  std::optional<PageProblem> team_list_problem_;
  MatchTable all_rows_;  // NextGrid1's
  MatchTable day_rows_;  // NextGrid2's
  MatchStats match_stats_;
  RunHistory history_;

  PageReport run_report_;                 // the last run's pages that failed or were not understood
  std::size_t run_line_problems_ = 0;     // of run_report_, those of the line pages
  std::size_t run_not_read_ = 0;          // rows the run's statistics pass could not read
  std::size_t run_publish_not_read_ = 0;  // rows the run's publishing pass could not read
  std::optional<RunPublishing> run_publishing_;  // what became of the run's own publication
  bool statistics_read_ = false;                 // NextGrid1's rows were read by a pass
  bool stop_requested_ = false;
};

}  // namespace kavero
