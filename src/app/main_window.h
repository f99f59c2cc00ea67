#pragma once
// The program's single window: widgets over the analysis, which holds the
// program's state and does its work. The window forwards what the user does
// and shows what the analysis tells it (analysis/analysis_observer.h).
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "analysis/analysis.h"
#include "analysis/analysis_observer.h"
#include "app/window_config.h"
#include "base/language.h"
#include "base/page_report.h"
#include "base/run_hooks.h"
#include "web/client_factories.h"
#include "web/session_client.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QIcon;
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
class MatchTableModel;
class StatusLine;
struct Captions;

class MainWindow : public QWidget, private AnalysisObserver {
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

  // What the window shows.
  const Analysis& Core() const { return core_; }
  // Shows rows read elsewhere in a table, as if a run had left them.
  void TakeRows(Grid grid, MatchTable rows) { core_.TakeRows(grid, std::move(rows)); }

  // Runs a handler the way every control does: an error shows its text in the
  // error box, a cancelled loop ends quietly, nothing reaches Qt.
  void Guarded(const std::function<void()>& handler);

  // What the analysis's long loops call once per item: shows the gauge and
  // lets the window react. Throws RunCancelled once the window is closing.
  void ProcessMessages();
  RunHooks Hooks();

  // Language choice.
  void EClick();
  void RClick();
  // Makes the buttons' choice binding: sets the language and applies it.
  void FixLanguageChoice();

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
  void ExportCsv1Click();
  void ExportCsv2Click();
  // "Check on past seasons…": the backtest on the chosen files in a dialog of its own.
  void PastSeasonsClick();

  // Returns once "brr/beturl.txt" has loaded (or failed), letting the window
  // answer meanwhile.
  void AwaitTeamPageList();
  // The pages that the status line's report lists.
  const PageReport& ShownReport() const { return shown_report_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What the analysis tells: app/main_window_observer.cpp.
  void RowsAboutToChange(Grid grid, const RowsChange& change) override;
  void RowsChanged(Grid grid, const RowsChange& change) override;
  void DetailsChanged(const MatchDetails& details) override;
  void StatusChanged(const Status& status) override;
  void StoppableChanged(bool stoppable) override;
  MatchTableModel& ModelOf(Grid grid) const;

  void BuildLayout();
  void BuildStartControls();
  void BuildResultsPanel();
  void BuildMatchGrids();
  void BuildMenus();
  void BuildPastSeasonsItems();
  void BuildMyRecordItems();
  // One item in both tables' menus, right after `after1` and `after2` (last
  // when null), named `name` with "1" and "2", running `handler` as every
  // control does.
  std::pair<QAction*, QAction*> AddToBothMenus(const QIcon& icon, const char* name, QAction* after1,
                                               QAction* after2, void (MainWindow::*handler)());
  void BuildStatusLine();
  void BuildStopControls();
  void BuildHistoryHints();
  void ConnectHandlers();
  void ApplyCaptions(const Captions& captions);
  void ApplyEnglish();
  void ApplyRussian();
  // Starts reading "brr/beturl.txt" while the window answers.
  void ReadTeamPageList();
  // Start waits for the team page list with the gauge showing activity.
  void AwaitTeamPageListShowingActivity();
  // The run from the line download on; the caller has fixed the language.
  void RunAnalysis();
  void GoTotalAll(Grid grid, ReadPolicy::Messages messages);
  void ExportCsv(Grid grid);
  void ShowGauge();
  void ShowStatus(const QString& text, PageReport report);
  void OpenRunReport();
  void LogReport(const PageReport& report, bool new_run);
  void MyRecordClick();
  // Every control lies on the canvas, at the layout's size; the window shows
  // it whole, or scrolls it where the screen is smaller.
  void FitToScreen();

  WindowConfig config_;
  std::unique_ptr<SessionClient> client_;
  Gauge gauge_;
  Analysis core_;
  std::vector<QPixmap> flag_pictures_;
  bool closing_ = false;
  // Loads "brr/beturl.txt" while the window answers; gone once it is in.
  std::unique_ptr<BackgroundGet> team_list_get_;
  PageReport shown_report_;                          // what the status line's report lists now
  Language captions_language_ = Language::kEnglish;  // of the captions last applied

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
  StatusLine* status_line_ = nullptr;
  QAction* StartAgain1 = nullptr;
  QAction* StartAgain2 = nullptr;
  QAction* ExportCsv1 = nullptr;
  QAction* ExportCsv2 = nullptr;
  // Stopping a statistics pass: a Stop button where Start was, and Escape.
  QPushButton* stop_button_ = nullptr;
  QWidget* canvas_ = nullptr;
  QAction* PastSeasons1 = nullptr;
  QAction* PastSeasons2 = nullptr;
  QAction* MyRecord1 = nullptr;
  QAction* MyRecord2 = nullptr;
};

}  // namespace kavero::app
