// The window as start-up leaves it: layout, captions, TeamPageList.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QProgressBar>
#include <QTableView>

#include "base/text_cuts.h"
#include "window_fixture.h"

namespace kavero::app::testing {
namespace {

TEST_F(WindowTest, StartsOnTheStartPanelWithTheLayoutCaptions) {
  MainWindow& window = Open(Config("http://127.0.0.1:1/"));
  EXPECT_EQ(window.objectName(), "Form1");
  EXPECT_EQ(window.windowTitle(), "KAVERO");
  EXPECT_EQ(Control("canvas")->size(), QSize(916, 627));  // the layout, shown or scrolled
  EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window cannot be resized";
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window.Core().CurrentLanguage(), Language::kEnglish);

  EXPECT_FALSE(Control("E")->isEnabled());
  EXPECT_TRUE(Control("R")->isEnabled());
  EXPECT_FALSE(Control("pan1")->isHidden());
  EXPECT_TRUE(Control("pan2")->isHidden());
  EXPECT_TRUE(Control<QCheckBox>("ch")->isChecked());
  EXPECT_FALSE(Control("NextGrid1")->isHidden());
  EXPECT_TRUE(Control("NextGrid2")->isHidden());
  EXPECT_TRUE(Control("flay")->isHidden());

  EXPECT_EQ(Control<QAbstractButton>("spSkinXFormButton1")->text(), "Start");
  EXPECT_EQ(Control<QAbstractButton>("ch")->text(), "Without preliminary processing totals");
  EXPECT_EQ(Control<QAbstractButton>("spSkinXFormButton2")->text(), "HELP");
  EXPECT_EQ(Control<QAbstractButton>("spSkinXFormButton3")->text(), "OK");
  EXPECT_EQ(Control<QAbstractButton>("E")->text(), "English");
  EXPECT_EQ(Control<QAbstractButton>("R")->text(), "Русский");
  EXPECT_EQ(Caption("spSkinShadowLabel3"), "FreeWare");
  EXPECT_EQ(Caption("spSkinStdLabel3"), "Language / Язык:");
  EXPECT_EQ(Caption("spSkinShadowLabel1"), "STEP 1:");
  EXPECT_EQ(Caption("kol"), "0");
  EXPECT_EQ(Caption("sh1"), "0");
  EXPECT_EQ(Caption("sh2"), "0");
  EXPECT_TRUE(Caption("spSkinLinkLabel1").contains("http://home.example/"));

  auto* gauge = Control<QProgressBar>("pr");
  EXPECT_EQ(gauge->minimum(), 0);
  EXPECT_EQ(gauge->maximum(), 100);
  EXPECT_EQ(gauge->value(), 0);
  EXPECT_FALSE(gauge->isTextVisible());

  auto* combo = Control<QComboBox>("combo");
  EXPECT_EQ(combo->count(), 0);
  EXPECT_EQ(combo->currentIndex(), -1);
}

TEST_F(WindowTest, PlacesControlsWhereTheLayoutSays) {
  Open(Config("http://127.0.0.1:1/"));
  const struct {
    const char* name;
    QRect place;
  } places[] = {
      {"E", {136, 120, 81, 33}},
      {"R", {224, 120, 81, 33}},
      {"pan1", {136, 156, 640, 265}},
      {"pan2", {0, 0, 913, 628}},
      {"Image1", {9, 16, 403, 141}},
      {"pr", {16, 232, 390, 20}},
      {"spSkinXFormButton1", {128, 200, 169, 25}},
      {"NextGrid1", {8, 41, 585, 582}},
      {"NextGrid2", {8, 40, 585, 582}},
      {"kol", {528, 16, 65, 21}},
      {"SG3", {600, 272, 307, 192}},
      {"TOT_COM", {600, 544, 305, 75}},
  };
  for (const auto& expected : places) {
    EXPECT_EQ(Control(expected.name)->geometry(), expected.place) << expected.name;
  }
  EXPECT_EQ(Control("pr")->parentWidget()->objectName(), "pan1");
  EXPECT_EQ(Control("combo")->parentWidget()->objectName(), "pan2");
}

TEST_F(WindowTest, LabelsKeepTheirPlaceAndTheirFixedSizesInEveryLanguage) {
  Open(Config("http://127.0.0.1:1/"));
  const struct {
    const char* name;
    QPoint place;
  } fitting[] = {
      {"spSkinStdLabel1", {16, 16}},      {"spSkinStdLabel2", {474, 20}},
      {"spSkinShadowLabel1", {608, 8}},   {"spSkinShadowLabel2", {768, 8}},
      {"spSkinShadowLabel3", {544, 216}},
  };
  for (const char* language : {"layout", "R", "E"}) {
    SCOPED_TRACE(language);
    if (std::string_view(language) != "layout") Control<QAbstractButton>(language)->click();
    for (const auto& expected : fitting) {
      auto* label = Control<QLabel>(expected.name);
      EXPECT_EQ(label->pos(), expected.place) << expected.name;
      EXPECT_EQ(label->size(), label->sizeHint()) << expected.name << " fits its text";
    }
    EXPECT_EQ(Control("spSkinStdLabel3")->geometry(), QRect(168, 104, 90, 13));
    EXPECT_EQ(Control("spSkinLinkLabel1")->geometry(), QRect(488, 240, 83, 14));
  }
  EXPECT_EQ(Control("spSkinLinkLabel1")->toolTip(), "http://home.example/");
}

TEST_F(WindowTest, MatchGridsHideTheUrlColumnAndNameItOnlyInTheFirstGrid) {
  Open(Config("http://127.0.0.1:1/"));
  auto* first = Control<QTableView>("NextGrid1");
  auto* second = Control<QTableView>("NextGrid2");
  EXPECT_TRUE(first->isColumnHidden(8));
  EXPECT_TRUE(second->isColumnHidden(8));
  EXPECT_EQ(first->model()->headerData(8, Qt::Horizontal).toString(), "URL");
  EXPECT_EQ(second->model()->headerData(8, Qt::Horizontal).toString(), "");
  EXPECT_EQ(first->model()->headerData(0, Qt::Horizontal).toString(), "");
  EXPECT_EQ(first->columnWidth(3), 113);
  EXPECT_EQ(first->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(first->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(WindowTest, FlayHoldsTheCountryStems) {
  Open(Config("http://127.0.0.1:1/"));
  auto* flay = Control<QListWidget>("flay");
  ASSERT_EQ(flay->count(), 147);
  EXPECT_EQ(flay->item(0)->text(), "");
  EXPECT_EQ(flay->item(30)->text(), "Англи");
  EXPECT_EQ(flay->item(146)->text(), "NHL");
}

TEST_F(WindowTest, TeamPageListGetsTheLinesOfTheFile) {
  for (const char* ending : {"\r\n", "\r", "\n"}) {
    SCOPED_TRACE(::testing::PrintToString(std::string(ending)));
    kavero::testing::LoopbackServer server;
    const std::string body = std::string("Zenit>>http://a/1>>") + ending + "Spartak>>http://a/2>>" +
                             ending + ending + "Dynamo>>http://a/3>>";
    server.server().Get("/brr/beturl.txt", [&](const httplib::Request&, httplib::Response& res) {
      res.set_content(body, "text/plain");
    });
    server.Start();
    MainWindow& window = Open(Config(server.base()));
    EXPECT_EQ(window.Core().TeamPageList(),
              (std::vector<std::string>{"Zenit>>http://a/1>>", "Spartak>>http://a/2>>", "",
                                        "Dynamo>>http://a/3>>"}));
    window_.reset();
  }
}

TEST_F(WindowTest, TeamPageListStaysEmptyWithoutAWordWhenTheFileCannotBeFetched) {
  server_.server().Get("/brr/beturl.txt", [](const httplib::Request&, httplib::Response& res) {
    res.status = 404;
    res.set_content("Zenit>>http://a/1>>\r\n", "text/plain");
  });
  EXPECT_TRUE(OpenWithServer().Core().TeamPageList().empty()) << "an error status";
  EXPECT_TRUE(Open(Config("http://127.0.0.1:1/")).Core().TeamPageList().empty()) << "no connection";
  EXPECT_TRUE(errors_.isEmpty());
  EXPECT_TRUE(information_.isEmpty());
}

TEST_F(WindowTest, HelpOpensThePublishersManualPage) {
  server_.Start();
  MainWindow& window = Open(Config(server_.base()));
  Control<QAbstractButton>("spSkinXFormButton2")->click();
  ASSERT_EQ(opened_.size(), 1);
  EXPECT_EQ(opened_[0].toStdString(),
            server_.base() + "index.php?option=com_content&view=article&id=193&Itemid=35#manual");
  EXPECT_TRUE(information_.isEmpty());
  emit Control<QLabel>("spSkinLinkLabel1")->linkActivated("http://home.example/");
  EXPECT_EQ(opened_.last(), "http://home.example/");
  EXPECT_EQ(window.Core().CurrentLanguage(), Language::kEnglish);
}

TEST_F(WindowTest, HelpWithoutABrowserShowsTheAddress) {
  browser_opens_ = false;
  server_.Start();
  Open(Config(server_.base()));
  Control<QAbstractButton>("spSkinXFormButton2")->click();
  EXPECT_EQ(opened_.size(), 1);
  ASSERT_EQ(information_.size(), 1);
  EXPECT_EQ(information_[0].toStdString(),
            "Open the help page in a web browser:\n" + server_.base() +
                "index.php?option=com_content&view=article&id=193&Itemid=35#manual");
  EXPECT_TRUE(errors_.isEmpty());
}

}  // namespace
}  // namespace kavero::app::testing
