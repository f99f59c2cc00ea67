#pragma once
// The program's single window: a thin shell over the core. The match tables and
// the program-wide texts live here as plain data; the widgets only show them.
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/goals_hints.h"
#include "app/window_config.h"
#include "base/match_table.h"
#include "base/page_report.h"
#include "base/run_hooks.h"
#include "results/save_results.h"
#include "stats/match_stats.h"
#include "stats/stats_pass.h"
#include "web/client_factories.h"
#include "web/session_client.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QTableView;
class QUrl;

namespace kavero::app {

class BackgroundGet;
class DetailArea;
class RunHistory;
class MatchTableModel;
class StatusLine;
struct Captions;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // The clients are made by `clients` (web/curl/clients.h in the program).
  explicit MainWindow(const ClientFactories& clients, WindowConfig config = DefaultWindowConfig(),
                      QWidget* parent = nullptr);
  ~MainWindow() override;

  // Replaceable so that tests can record instead of blocking or launching.
  std::function<void(const QString&)> show_information;
  std::function<void(const QString&)> show_error;
  // False unless a browser can be confirmed to have taken the address.
  std::function<bool(const QUrl&)> open_url;
  // Asks where to export a table, offering `suggested`; empty when cancelled.
  std::function<QString(const QString& suggested)> choose_csv_path;
  // Asks for season files or a folder for the backtest, opening on `start`; empty when cancelled.
  std::function<QStringList(const QString& start)> choose_seasons;

  Language CurrentLanguage() const { return current_language_; }
  const std::vector<std::string>& TeamPageList() const { return team_page_list_; }
  const std::string& TeamDictionary() const { return team_dictionary_; }
  const std::string& ChampionshipDictionary() const { return championship_dictionary_; }
  MatchTable& NextGrid1Rows() { return next_grid1_rows_; }
  MatchTable& NextGrid2Rows() { return next_grid2_rows_; }

  // Runs a handler the way every control does: an error shows its text in the
  // error box, a cancelled loop ends quietly, nothing reaches Qt.
  void Guarded(const std::function<void()>& handler);

  // What the core's long loops call once per item: mirrors the core's state
  // in the widgets and lets the window react. Throws RunCancelled once the
  // window is closing.
  void ProcessMessages();
  RunHooks Hooks();
  // Shows the match tables and the gauge as the core left them.
  void RefreshTables();

  // Language choice and name translation.
  void ApplyEnglish();
  void ApplyRussian();
  void EClick();
  void RClick();
  // Makes the buttons' choice binding: sets CurrentLanguage and applies it.
  void FixLanguageChoice();
  std::string TranslateTeam(std::string_view name) const;
  std::string TranslateChampionship(std::string_view name) const;

  // The date choice: the distinct dates of NextGrid1 plus " все".
  void FillDateChoice();
  // The details of one match: step indicators, history, league and totals.
  DetailArea& Details() { return *detail_area_; }

  // Handlers bound to the controls.
  void spSkinXFormButton2Click();  // HELP
  void spSkinXFormButton3Click();  // OK: the date filter
  void Save1Click();
  void SAVE2Click();
  void spSkinXFormButton1Click();  // Start: the analysis run
  void NextGrid1CellClick(int column, int row);
  void NextGrid2CellClick(int column, int row);
  void GoTotalAll1Click();
  void GoTotalAll2Click();
  // "Start again": the analysis run afresh, with the language and box as they stand.
  void StartAgainClick();

  // Returns once "brr/beturl.txt" has loaded (or failed), letting the window
  // answer meanwhile.
  void AwaitTeamPageList();
  // The pages that the status line's report lists.
  const PageReport& ShownReport() const { return shown_report_; }
  void ExportCsv1Click();
  void ExportCsv2Click();
  // "Check on past seasons…": the backtest on the chosen files in a dialog of its own.
  void PastSeasonsClick();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildLayout();
  void BuildStartControls();
  void BuildResultsPanel();
  void BuildMatchGrids();
  void BuildMenus();
  void BuildPastSeasonsItems();
  void BuildMyRecordItems();
  void ConnectHandlers();
  void ApplyCaptions(const Captions& captions);
  void FormCreate();
  void FormClose();
  // Starts reading "brr/beturl.txt" while the window answers.
  void ReadTeamPageList();
  // SaveResults with the window's language, date, separator, file and servers.
  SaveOutcome SaveResultsOf(const MatchTable& table);
  // Save1 and SAVE2: the save, said on the status line, then the message.
  void SaveClick(const MatchTable& table);
  std::string TodayText() const;
  StatsSources StatsSourcesOfWindow();
  // The problem of the team list, while it could not be read.
  const PageProblem* TeamListFailure() const;

  // The analysis run's passes and its end.
  void TranslationPass();
  void StatisticsPass();
  void PublishToday();
  void ShowResultsScreen();
  // Reads a row's match into the detail grids; its indicators from the
  // bookmaker's names the row held before its pages were read.
  struct Steps {
    double step1;
    double step2;
  };
  Steps ReadMatch(StatsPass& pass, MatchTable& table, std::size_t row);
  // The goals model of a row whose pages were just read is stored in the row
  // (unless its team pages failed); the detail line shows the row's model.
  void ShowGoalsModel(MatchRow& row);
  // Writes a table, as it stands, to the CSV file the user chooses.
  void ExportCsv(const MatchTable& table);

  // The match details of one row, and their recomputation over a table.
  enum class MessagesAt { kBeforeColours, kAfterColours };
  void CellClick(MatchTable& table, int row);
  void GoTotalAll(MatchTable& table, MessagesAt messages_at);

  // The run from the line download on; the caller has fixed the language.
  void RunAnalysis();
  // Start waits for the team page list with the gauge showing activity.
  void AwaitTeamPageListShowingActivity();
  // The status line and its report: after a run, and after an action.
  void BuildStatusLine();
  void ShowRunStatus();
  void ShowStatus(const QString& text, PageReport report);
  void OpenRunReport();
  void LogReport(const PageReport& report, bool new_run);
  // Adds the problems of the match just read to the run's report.
  void NoteRunProblems();

  WindowConfig config_;
  UrlProbe url_responds_;
  std::unique_ptr<SessionClient> client_;
  SessionClient& ID;  // the client, under its usual name
  Language current_language_ = Language::kEnglish;
  std::vector<std::string> team_page_list_;
  // Why the last read of "brr/beturl.txt" failed; Start reads it again then.
  std::optional<PageProblem> team_list_problem_;
  std::string team_dictionary_;
  std::string championship_dictionary_;
  PageReport dictionary_problems_;  // the dictionaries' last requests that failed
  MatchTable next_grid1_rows_;
  MatchTable next_grid2_rows_;
  Gauge gauge_;
  MatchStats match_stats_;  // what the detail grids show
  std::vector<QPixmap> flag_pictures_;
  bool closing_ = false;

  // Controls, by their layout names.
  QLabel* spSkinStdLabel3 = nullptr;
  QPushButton* E = nullptr;
  QPushButton* R = nullptr;
  QPushButton* spSkinXFormButton2 = nullptr;
  QFrame* pan1 = nullptr;
  QWidget* pan2 = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* Image2 = nullptr;
  QLabel* spSkinLinkLabel1 = nullptr;
  QLabel* spSkinShadowLabel3 = nullptr;
  QProgressBar* pr = nullptr;
  QPushButton* spSkinXFormButton1 = nullptr;
  QCheckBox* ch = nullptr;
  QLabel* spSkinStdLabel1 = nullptr;
  QComboBox* combo = nullptr;
  QPushButton* spSkinXFormButton3 = nullptr;
  QLabel* spSkinStdLabel2 = nullptr;
  QLabel* kol = nullptr;
  QTableView* NextGrid1 = nullptr;
  QTableView* NextGrid2 = nullptr;
  MatchTableModel* next_grid1_model_ = nullptr;
  MatchTableModel* next_grid2_model_ = nullptr;
  DetailArea* detail_area_ = nullptr;
  QListWidget* flay = nullptr;
  QMenu* spSkinPopupMenu1 = nullptr;
  QMenu* spSkinPopupMenu2 = nullptr;
  QAction* Save1 = nullptr;
  QAction* GoTotalAll1 = nullptr;
  QAction* SAVE2 = nullptr;
  QAction* GoTotalAll2 = nullptr;

  // Loads "brr/beturl.txt" while the window answers; gone once it is in.
  std::unique_ptr<BackgroundGet> team_list_get_;
  StatusLine* status_line_ = nullptr;
  QAction* StartAgain1 = nullptr;
  QAction* StartAgain2 = nullptr;
  PageReport run_report_;                 // the last run's pages that failed or were not understood
  PageReport shown_report_;               // what the status line's report lists now
  std::size_t run_line_problems_ = 0;     // of run_report_, those of the line pages
  std::size_t run_not_read_ = 0;          // rows the run's statistics pass could not read
  std::size_t run_publish_not_read_ = 0;  // rows the run's publishing pass could not read
  QString run_publishing_text_;           // what became of the run's own publication
  bool statistics_read_ = false;          // NextGrid1's rows were read by a pass
  QAction* ExportCsv1 = nullptr;
  QAction* ExportCsv2 = nullptr;

  // Stopping a statistics pass: a Stop button where Start was, and Escape.
  void BuildStopControls();
  // While it lives, the pass can be stopped.
  class StoppablePass {
   public:
    explicit StoppablePass(MainWindow& window);
    ~StoppablePass();
    StoppablePass(const StoppablePass&) = delete;
    StoppablePass& operator=(const StoppablePass&) = delete;

   private:
    MainWindow& window_;
  };
  // True once the user asked to stop: the rows from `first` on are then left
  // not read (fresh rows) or as they stand.
  bool StopRemaining(MatchTable& table, std::size_t first, bool fresh);
  QPushButton* stop_button_ = nullptr;
  bool stop_requested_ = false;

  // Every control lies on the canvas, at the layout's size; the window shows
  // it whole, or scrolls it where the screen is smaller.
  void FitToScreen();
  QWidget* canvas_ = nullptr;

  QAction* PastSeasons1 = nullptr;
  QAction* PastSeasons2 = nullptr;
  Language captions_language_ = Language::kEnglish;  // of the captions last applied
  // The history of runs: app/history_wiring.cpp.
  void BuildHistory();
  void SettleFromPagesRead(const MatchRow& row);
  void ShowMovement(const MatchRow& row);
  // The marks a click or "Go Total All" gave the rows, kept like a run's.
  void KeepMarks(const MatchTable& rows);
  void MyRecordClick();
  std::unique_ptr<RunHistory> history_;
  QAction* MyRecord1 = nullptr;
  QAction* MyRecord2 = nullptr;
};

}  // namespace kavero::app
