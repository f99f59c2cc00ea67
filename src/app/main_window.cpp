#include "app/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTableView>
#include <QUrl>
#include <algorithm>

#include "app/background_get.h"
#include "app/browser_opener.h"
#include "app/captions.h"
#include "app/flag_pictures.h"
#include "app/header_sort.h"
#include "app/history_texts.h"
#include "app/qt_translations.h"
#include "app/regional.h"
#include "app/row_keys.h"
#include "app/start_pictures.h"
#include "app/widget_text.h"
#include "app/window_fit.h"
#include "base/cp1251_literal.h"
#include "base/text_cuts.h"

namespace kavero::app {
namespace {

using namespace kavero::literals;

constexpr std::string_view kAllDates = " все"_w1251;
constexpr std::string_view kHelpPath =
    "index.php?option=com_content&view=article&id=193&Itemid=35#manual";

AnalysisConfig AnalysisConfigOf(const WindowConfig& config) {
  return {.bookmaker_site = config.bookmaker_site,
          .publishing_server = config.publishing_server,
          .demo_site = config.demo_site,
          .short_date_format = config.regional.short_date_format,
          .decimal_separator = config.regional.decimal_separator,
          .saves_path = config.saves_path,
          .previous_saves_folder = config.previous_saves_folder,
          .probe_limits = config.probe_limits,
          .read_ahead = config.read_ahead,
          .history_folder = config.history_folder,
          .today = [] { return Today(); },
          .clock =
              [clock = config.history_clock] {
                return RunClockOf(clock ? clock() : QDateTime::currentDateTime());
              }};
}

}  // namespace

MainWindow::MainWindow(const ClientFactories& clients, WindowConfig config, QWidget* parent)
    : QWidget(parent),
      config_(std::move(config)),
      client_(clients.make_http_client(config_.http_limits)),
      core_(*client_, clients.url_responds, AnalysisConfigOf(config_), Hooks()),
      flag_pictures_(LoadFlagPictures()) {
  show_information = [this](const QString& text) {
    QMessageBox::information(this, windowTitle(), text);
  };
  show_error = [this](const QString& text) { QMessageBox::critical(this, windowTitle(), text); };
  open_url = [](const QUrl& url) { return OpenedInBrowser(url); };
  choose_csv_path = [this](const QString& suggested) {
    return QFileDialog::getSaveFileName(this, QString(), suggested, QStringLiteral("CSV (*.csv)"));
  };
  BuildLayout();
  BuildStatusLine();
  BuildStopControls();
  BuildHistoryHints();
  ConnectHandlers();
  core_.SetObserver(this);
  ReadTeamPageList();
  FitToScreen();
}

void MainWindow::FitToScreen() {
  auto* scroller = new QScrollArea(this);
  scroller->setObjectName(QStringLiteral("canvasScroller"));
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidget(canvas_);
  const QRect available =
      screen() ? screen()->availableGeometry() : QRect(QPoint(), canvas_->size());
  // The frame is the window manager's and unknown before the window shows:
  // room for the tallest common title bars and thin borders, since a window a
  // little shorter costs less than one whose bottom is off the screen.
  constexpr int kBorder = 4;
  constexpr int kTitleBar = 36;
  const int title = std::max(kTitleBar, style()->pixelMetric(QStyle::PM_TitleBarHeight));
  const QMargins frame(kBorder, title + kBorder, kBorder, kBorder);
  const WindowPlace place = FitWindow(canvas_->size(), available, frame,
                                      style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  setFixedSize(place.client.size());
  scroller->setGeometry(rect());
  // A window's position is its frame's.
  move(place.client.topLeft() - QPoint(frame.left(), frame.top()));
}

MainWindow::~MainWindow() {
  SpeakQtDialogsIn(Language::kEnglish);  // the language was this window's choice
}

void MainWindow::ConnectHandlers() {
  const auto bind = [this](auto* sender, auto signal, void (MainWindow::*handler)()) {
    connect(sender, signal, this,
            [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
  };
  bind(E, &QPushButton::clicked, &MainWindow::EClick);
  bind(R, &QPushButton::clicked, &MainWindow::RClick);
  bind(spSkinXFormButton2, &QPushButton::clicked, &MainWindow::spSkinXFormButton2Click);
  bind(spSkinXFormButton3, &QPushButton::clicked, &MainWindow::spSkinXFormButton3Click);
  bind(Save1, &QAction::triggered, &MainWindow::Save1Click);
  bind(SAVE2, &QAction::triggered, &MainWindow::SAVE2Click);
  bind(spSkinXFormButton1, &QPushButton::clicked, &MainWindow::spSkinXFormButton1Click);
  bind(GoTotalAll1, &QAction::triggered, &MainWindow::GoTotalAll1Click);
  bind(GoTotalAll2, &QAction::triggered, &MainWindow::GoTotalAll2Click);
  bind(ExportCsv1, &QAction::triggered, &MainWindow::ExportCsv1Click);
  bind(ExportCsv2, &QAction::triggered, &MainWindow::ExportCsv2Click);
  const auto bind_cells = [this](QTableView* grid, void (MainWindow::*handler)(int, int)) {
    const auto click = [this, handler](const QModelIndex& cell) {
      Guarded([&] { (this->*handler)(cell.column(), cell.row()); });
    };
    connect(grid, &QTableView::clicked, this, click);
    ActivateRowsByKeys(grid, click);
  };
  bind_cells(NextGrid1, &MainWindow::NextGrid1CellClick);
  bind_cells(NextGrid2, &MainWindow::NextGrid2CellClick);
  connect(spSkinLinkLabel1, &QLabel::linkActivated, this,
          [this](const QString& link) { Guarded([&] { open_url(QUrl(link)); }); });
}

void MainWindow::Guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const RunCancelled&) {
    // The window is closing; the loop has stopped where it stood.
  } catch (const std::exception& error) {
    if (!closing_) show_error(QString::fromUtf8(error.what()));
  } catch (...) {
    if (!closing_) show_error(QStringLiteral("Unknown error"));
  }
}

void MainWindow::ReadTeamPageList() {
  core_.ForgetTeamList();
  // The window shows at once; the list arrives while it answers.
  team_list_get_ = std::make_unique<BackgroundGet>(*client_, core_.TeamListAddress(),
                                                   [this](const FetchResult& answer) {
                                                     if (!closing_) core_.TakeTeamList(answer);
                                                   });
}

void MainWindow::AwaitTeamPageList() {
  if (team_list_get_) team_list_get_->Wait([] { QCoreApplication::processEvents(); });
}

void MainWindow::AwaitTeamPageListShowingActivity() {
  if (!team_list_get_ || team_list_get_->Finished()) return;
  // A gauge without a range shows that something is under way.
  const int maximum = gauge_.maximum;
  gauge_.SetMaximum(0);
  team_list_get_->Wait([this] { ProcessMessages(); });
  gauge_.SetMaximum(maximum);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A loop that is letting messages through sees closing_ at its next step and
  // stops before it touches the released list again.
  closing_ = true;
  core_.ForgetTeamList();
  event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pan2 && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
    canvas_->update();
  }
  // The results panel leaves a thin strip of the layout uncovered; the title
  // band belongs to the start screen only.
  if (watched == canvas_ && event->type() == QEvent::Paint && pan2->isHidden()) {
    QPainter painter(canvas_);
    PaintBackdrop(painter, canvas_->rect());
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::ShowGauge() {
  pr->setMaximum(gauge_.maximum);
  pr->setValue(gauge_.value);
  // "n / total" once a pass counts, never over the busy gauge or before Start.
  pr->setTextVisible(spSkinXFormButton1->isHidden() && gauge_.maximum > 0);
}

void MainWindow::ProcessMessages() {
  if (closing_) throw RunCancelled();
  ShowGauge();
  QCoreApplication::processEvents();
  if (closing_) throw RunCancelled();
}

RunHooks MainWindow::Hooks() {
  return {&gauge_, [this] { ProcessMessages(); }};
}

void MainWindow::ApplyEnglish() {
  core_.FetchDictionaries();
  ApplyCaptions(EnglishCaptions());
  SpeakQtDialogsIn(Language::kEnglish);
}
void MainWindow::ApplyRussian() {
  ApplyCaptions(RussianCaptions());
  SpeakQtDialogsIn(Language::kRussian);  // without the translations Qt's dialogs stay English
}

void MainWindow::EClick() {
  ApplyEnglish();
  E->setEnabled(false);
  R->setEnabled(true);
}

void MainWindow::RClick() {
  ApplyRussian();
  R->setEnabled(false);
  E->setEnabled(true);
}

void MainWindow::FixLanguageChoice() {
  // ApplyEnglish leaves E as it is, so exactly one of the two applies.
  if (!E->isEnabled()) {
    core_.SetLanguage(Language::kEnglish);
    ApplyEnglish();
  }
  if (E->isEnabled()) {
    core_.SetLanguage(Language::kRussian);
    ApplyRussian();
  }
}

void MainWindow::spSkinXFormButton2Click() {
  const QUrl help(QString::fromStdString(config_.publishing_server + std::string(kHelpPath)));
  // Without a browser the address is all the user can be given.
  if (!open_url(help)) {
    show_information(QStringLiteral("Open the help page in a web browser:\n") + help.toString());
  }
}

void MainWindow::FillDateChoice() {
  const std::string dates = core_.Dates();
  std::vector<std::string> entries;
  for (std::string_view date : SplitLines(dates)) entries.emplace_back(date);
  entries.emplace_back(kAllDates);
  std::sort(entries.begin(), entries.end());  // byte order, as a sorted list keeps them
  combo->clear();
  for (const std::string& entry : entries) combo->addItem(Shown(entry));
  combo->setCurrentIndex(-1);
}

void MainWindow::spSkinXFormButton3Click() {
  const std::string chosen = Chosen(combo->currentText());
  if (chosen == kAllDates) {
    NextGrid1->show();
    NextGrid2->hide();
    kol->setText(QString::number(core_.Rows(Grid::kAll).size()));
    return;
  }
  NextGrid2->show();
  NextGrid1->hide();
  core_.FilterByDate(chosen);
  ForgetHeaderSort(NextGrid2->horizontalHeader());
  kol->setText(QString::number(core_.Rows(Grid::kDay).size()));
}

}  // namespace kavero::app
