// What a user sees around the tables: sort arrows, the gauge and Stop, the
// run report's window, the help page, the demo site's hint and Qt's own words.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "app/browser_opener.h"
#include "app/header_arrow_style.h"
#include "app/report_texts.h"
#include "app/status_line.h"
#include "app/window_fit.h"
#include "fixture_site.h"
#include "header_click.h"

namespace kavero::app::testing {
namespace {

constexpr int kStep2Column = 10;

class SmallThingsTest : public WindowTest {
 protected:
  MainWindow& OpenSite() {
    site_.matches = {{"28.12.2026", "A", "B", "stat/1.html"},
                     {"28.12.2026", "C", "D", "stat/2.html"},
                     {"28.12.2026", "E", "F", "stat/3.html"}};
    for (const char* page : {"/stat/1.html", "/stat/2.html", "/stat/3.html"}) {
      site_.pages[page] = WorkedExamplePage();
    }
    site_.Serve(server_);
    server_.Start();
    return Open(Config(server_.base()));
  }
  QString Status() {
    return QString(Control<StatusLine>("statusLine")->FullText())
        .replace(QChar(0x00A0), QLatin1Char(' '));
  }
  // Once the gauge has counted a row, `act` runs at the next chance the pass
  // gives the window.
  void OnceARowIsCounted(std::function<void()> act) {
    auto* timer = new QTimer(window_.get());
    QObject::connect(timer, &QTimer::timeout, timer, [this, timer, act = std::move(act)] {
      auto* gauge = Control<QProgressBar>("pr");
      if (gauge->value() < 1 || gauge->maximum() != 3) return;
      gauge_text_ = gauge->text();
      gauge_text_shown_ = gauge->isTextVisible();
      timer->stop();
      act();
    });
    timer->start(0);
  }

  FixtureSite site_;
  QString gauge_text_;
  bool gauge_text_shown_ = false;
  bool stop_shown_ = false;
};

TEST_F(SmallThingsTest, StartAgainClearsTheSortArrow) {
  MainWindow& window = OpenSite();
  Start(false);
  auto* grid = Control<QTableView>("NextGrid1");
  ClickHeader(grid, 3);
  ClickHeader(grid, 3);  // descending: E, C, A
  ASSERT_TRUE(grid->horizontalHeader()->isSortIndicatorShown());
  Control<QAction>("StartAgain1")->trigger();
  EXPECT_FALSE(grid->horizontalHeader()->isSortIndicatorShown());
  EXPECT_EQ(window.Core().Rows(Grid::kAll)[0].home, "A");  // the line's order
  ClickHeader(grid, 3);                                    // the next click sorts ascending
  EXPECT_EQ(grid->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
}

TEST_F(SmallThingsTest, TheSortArrowLeavesTheHeaderTextWhole) {
  OpenSite();
  auto* grid = Control<QTableView>("NextGrid1");
  QHeaderView* header = grid->horizontalHeader();
  // The section as the header paints it, with and without an arrow.
  const auto paint = [header](QStyleOptionHeader::SortIndicator arrow) {
    QStyleOptionHeader option;
    option.initFrom(header);
    option.rect = QRect(0, 0, header->sectionSize(kStep2Column), header->height());
    option.text = QStringLiteral("Step2");
    option.textAlignment = Qt::AlignCenter;
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal | QStyle::State_Enabled;
    option.sortIndicator = arrow;
    QImage image(option.rect.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(header->font());
    header->style()->drawControl(QStyle::CE_Header, &option, &painter, header);
    return image;
  };
  const QImage plain = paint(QStyleOptionHeader::None);
  const QImage arrow = paint(QStyleOptionHeader::SortDown);
  const QRect arrow_place = HeaderArrowStyle::ArrowPlace(plain.rect());
  int differing = 0;
  int arrow_pixels = 0;
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      const bool same = plain.pixel(x, y) == arrow.pixel(x, y);
      if (arrow_place.contains(x, y)) {
        arrow_pixels += same ? 0 : 1;
      } else {
        differing += same ? 0 : 1;
      }
    }
  }
  EXPECT_EQ(differing, 0);  // the text is drawn as without an arrow
  EXPECT_GT(arrow_pixels, 0);
}

TEST_F(SmallThingsTest, TheGaugeCountsAndStopLeavesTheRestNotRead) {
  MainWindow& window = OpenSite();
  OnceARowIsCounted([this] {
    auto* stop = Control<QPushButton>("stopButton");
    stop_shown_ = stop->isVisibleTo(window_.get()) && stop->text() == "Stop" &&
                  stop->geometry() == Control("spSkinXFormButton1")->geometry();
    stop->click();
  });
  Start(true);
  EXPECT_TRUE(stop_shown_);
  EXPECT_TRUE(gauge_text_shown_);
  EXPECT_EQ(gauge_text_, "1 / 3");
  const MatchTable& rows = window.Core().Rows(Grid::kAll);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_TRUE(rows[0].steps_read);
  ASSERT_TRUE(rows[2].steps_not_read.has_value());
  EXPECT_EQ(rows[2].steps_not_read->fault, PageFault::kStopped);
  QAbstractItemModel* model = Control<QTableView>("NextGrid1")->model();
  EXPECT_EQ(model->data(model->index(2, kStep2Column), Qt::DisplayRole).toString(), "–");
  EXPECT_EQ(model->data(model->index(2, kStep2Column), Qt::ToolTipRole).toString(),
            "not read: stopped");
  EXPECT_TRUE(Status().contains(" · 1 not read")) << Status().toStdString();
  EXPECT_FALSE(Control("stopButton")->isVisibleTo(window_.get()));
  EXPECT_EQ(ReasonText(*rows[2].steps_not_read, Language::kRussian), "не прочитано: остановлено");
}

TEST_F(SmallThingsTest, EscapeStopsGoTotalAllAndTheRestKeepTheirValues) {
  MainWindow& window = OpenSite();
  Start(false);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  OnceARowIsCounted([this] { QTest::keyClick(window_.get(), Qt::Key_Escape); });
  Control<QAction>("GoTotalAll1")->trigger();
  const MatchTable& rows = window.Core().Rows(Grid::kAll);
  EXPECT_TRUE(rows[0].steps_read);
  EXPECT_FALSE(rows[2].steps_read);
  EXPECT_FALSE(rows[2].steps_not_read.has_value());  // as it stood: 0, never read
  EXPECT_TRUE(Control("pan2")->isEnabled());
}

TEST_F(SmallThingsTest, TheRunReportNamesMatchesTheLogAndCloses) {
  MainWindow& window = OpenSite();
  site_.pages.erase("/stat/2.html");  // read by the server thread only between requests
  Start(true);
  emit Control<StatusLine>("statusLine")->clicked();
  auto* report = window.findChild<QDialog*>("RunReport");
  ASSERT_NE(report, nullptr);
  auto* table = report->findChild<QTableWidget*>("RunReportTable");
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->horizontalHeaderItem(2)->text(), "Match");
  int named = 0;
  for (int row = 0; row < table->rowCount(); ++row) {
    // The dictionaries belong to no match; the statistics page to its own.
    const bool statistics = table->item(row, 0)->text().endsWith("stat/2.html");
    EXPECT_EQ(table->item(row, 2)->text(), statistics ? "C - D" : "");
    named += statistics ? 1 : 0;
  }
  EXPECT_EQ(named, 1);
  auto* log = report->findChild<QLabel*>("RunReportLog");
  ASSERT_NE(log, nullptr);
  EXPECT_TRUE(log->text().contains(QString::fromStdString((folder_ / "run-report.log").string())));
  EXPECT_NE(ReadFile(folder_ / "run-report.log").find("\tC - D"), std::string::npos);
  auto* buttons = report->findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  QPushButton* close = buttons->button(QDialogButtonBox::Close);
  ASSERT_NE(close, nullptr);
  close->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window.findChild<QDialog*>("RunReport"), nullptr);
}

TEST(BrowserOpener, TrustsOnlyAnOpenerThatEndedWell) {
  const QUrl help(QStringLiteral("http://127.0.0.1:1/help"));
  using std::chrono::milliseconds;
  EXPECT_TRUE(OpenedInBrowser(help, QStringLiteral("true"), milliseconds(20000)));
  EXPECT_FALSE(OpenedInBrowser(help, QStringLiteral("false"), milliseconds(20000)));
  EXPECT_FALSE(OpenedInBrowser(help, QStringLiteral("/no/such/opener"), milliseconds(20000)));
  // One that has not ended in time cannot be confirmed.
  const auto begin = std::chrono::steady_clock::now();
  EXPECT_FALSE(OpenedInBrowser(help, QStringLiteral("sleep"), milliseconds(300)));
  EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(10));
}

TEST_F(SmallThingsTest, ARefusedLineAtTheDemoSitesAddressSuggestsStartingIt) {
  WindowConfig config = Config("http://127.0.0.1:1/");
  config.demo_site = config.bookmaker_site;
  Open(config);
  Start(false);
  EXPECT_TRUE(Status().endsWith("Is the demo site running? Start kavero-demo-site"))
      << Status().toStdString();

  Open(Config("http://127.0.0.1:1/"));  // another site: no word of the demo
  Start(false);
  EXPECT_FALSE(Status().contains("kavero-demo-site")) << Status().toStdString();
}

TEST_F(SmallThingsTest, QtsOwnDialogsSpeakTheInterfaceLanguage) {
  OpenSite();
  const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
  Control<QPushButton>("R")->click();
  EXPECT_EQ(cancel(), "Отмена");
  Control<QPushButton>("E")->click();
  EXPECT_EQ(cancel(), "Cancel");
}

TEST(FitWindow, ASmallScreenScrollsTheLayoutFromItsCorner) {
  const QSize layout(916, 627);
  const QMargins frame(0, 24, 0, 0);
  // 1024 × 600 with a panel of 24 at the top.
  const QRect small(0, 24, 1024, 576);
  const WindowPlace on_small = FitWindow(layout, small, frame, 15);
  EXPECT_TRUE(on_small.scrolls);
  EXPECT_TRUE(small.contains(on_small.client.marginsAdded(frame)));
  EXPECT_EQ(on_small.client.size(), QSize(916 + 15, 576 - 24));  // no sideways scrolling
  EXPECT_EQ(on_small.client.top(), 24 + 24);

  const QRect large(0, 0, 1920, 1080);
  const WindowPlace on_large = FitWindow(layout, large, frame, 15);
  EXPECT_FALSE(on_large.scrolls);
  EXPECT_EQ(on_large.client.size(), layout);
  EXPECT_EQ(on_large.client.marginsAdded(frame).center(), large.center());

  const WindowPlace on_tiny = FitWindow(layout, QRect(0, 0, 640, 480), frame, 15);
  EXPECT_EQ(on_tiny.client, QRect(0, 24, 640, 456));
}

TEST_F(SmallThingsTest, TheWindowOpensInsideTheScreensAvailableArea) {
  // The offscreen screen is 800 × 600, smaller than the layout.
  MainWindow& window = Open(Config("http://127.0.0.1:1/"));
  window.show();
  const QRect available = window.screen()->availableGeometry();
  EXPECT_TRUE(available.contains(window.frameGeometry()))
      << window.frameGeometry().x() << "," << window.frameGeometry().y() << " "
      << window.frameGeometry().width() << "x" << window.frameGeometry().height() << " in "
      << available.x() << "," << available.y() << " " << available.width() << "x"
      << available.height() << " client " << window.geometry().y() << " "
      << window.geometry().height();
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_EQ(Control("canvas")->size(), QSize(916, 627));
}

}  // namespace
}  // namespace kavero::app::testing
