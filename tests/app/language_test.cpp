// Switching the interface language: captions, button states, dictionaries.
#include <QAbstractButton>
#include <QAction>
#include <QTableView>
#include <QTableWidget>
#include <mutex>

#include "window_fixture.h"

namespace kavero::app::testing {
namespace {

class LanguageTest : public WindowTest {
 protected:
  // Serves both dictionaries and counts the requests for them.
  MainWindow& OpenWithDictionaries(int basa_status = 200, int chemp_status = 200) {
    server_.server().Get("/brr/basa.txt",
                         [=, this](const httplib::Request&, httplib::Response& res) {
                           ++basa_requests_;
                           res.status = basa_status;
                           res.set_content(W("Zenit = Зенит\r\n"), "text/plain");
                         });
    server_.server().Get("/brr/chemp.txt",
                         [=, this](const httplib::Request&, httplib::Response& res) {
                           ++chemp_requests_;
                           res.status = chemp_status;
                           res.set_content(W("Англия=England\r\n"), "text/plain");
                         });
    return OpenWithServer();
  }

  QStringList Captions() {
    auto* grid = Control<QTableView>("NextGrid1");
    auto* second = Control<QTableView>("NextGrid2");
    auto* history = Control<QTableWidget>("SG3");
    QStringList captions = {
        Caption("spSkinShadowLabel3"),     Control<QAbstractButton>("spSkinXFormButton2")->text(),
        Caption("spSkinStdLabel1"),        Caption("spSkinShadowLabel1"),
        Caption("spSkinShadowLabel2"),     Control<QAbstractButton>("ch")->text(),
        Caption("spSkinStdLabel2"),        Control<QAbstractButton>("spSkinXFormButton1")->text(),
        Control<QAction>("SAVE2")->text(), Control<QAction>("GoTotalAll2")->text(),
        Control<QAction>("Save1")->text(), Control<QAction>("GoTotalAll1")->text(),
    };
    for (int column : {1, 2, 3, 4, 5, 6, 7, 9, 10}) {
      captions << grid->model()->headerData(column, Qt::Horizontal).toString();
      EXPECT_EQ(second->model()->headerData(column, Qt::Horizontal),
                grid->model()->headerData(column, Qt::Horizontal));
    }
    for (int column = 0; column < 3; ++column) {
      captions << history->horizontalHeaderItem(column)->text();
    }
    return captions;
  }

  // Texts that neither language touches.
  QStringList Untouched() {
    return {windowTitle(),
            Caption("spSkinStdLabel3"),
            Control<QAbstractButton>("E")->text(),
            Control<QAbstractButton>("R")->text(),
            Control<QAbstractButton>("spSkinXFormButton3")->text(),
            Control<QTableView>("NextGrid1")->model()->headerData(8, Qt::Horizontal).toString(),
            Control<QTableWidget>("TUR")->horizontalHeaderItem(6)->text(),
            Control<QTableWidget>("TOT_COM")->horizontalHeaderItem(5)->text(),
            Caption("kol")};
  }
  QString windowTitle() { return window_->windowTitle(); }

  std::pair<bool, bool> ButtonStates() {
    return {Control("E")->isEnabled(), Control("R")->isEnabled()};
  }

  std::atomic<int> basa_requests_ = 0;
  std::atomic<int> chemp_requests_ = 0;
};

const QStringList kLayout = {"FreeWare",     "HELP",        "Date:",
                             "STEP 1:",      "STEP 2:",     "Without preliminary processing totals",
                             "It is found:", "Start",       "SAVE",
                             "Go Total All", "Save",        "Go Total All",
                             "Date",         "Time",        "Home",
                             "Away",         "Total",       "Under",
                             "Over",         "Step1",       "Step2",
                             "Date",         "Home - Away", "Score"};
const QStringList kEnglish = {
    "FreeWare",     "HELP",        "Date:",
    "Step 1:",      "Step 2:",     "Without preliminary processing totals",
    "It is found:", "Start",       "Save",
    "Go Total All", "Save",        "Go Total All",
    "Date",         "Time",        "Home",
    "Away",         "Total",       "Under",
    "Over",         "Step1",       "Step2",
    "Date",         "Home - Away", "Score"};
const QStringList kRussian = {
    "Свободно",       "ПОМОЩЬ",    "Дата:",
    "Шаг 1:",         "Шаг 2:",    "Без предварительной обработки тоталов",
    "Найдено:",       "Старт",     "Сохранить",
    "Обработать все", "Сохранить", "Обработать все",
    "Дата",           "Время",     "Хозяева",
    "Гости",          "Тотал",     "Мен.",
    "Бол.",           "Шаг1",      "Шаг2",
    "Дата",           "Матч",      "Счет"};

TEST_F(LanguageTest, ButtonsSwitchCaptionsAndFetchDictionariesOnlyForEnglish) {
  MainWindow& window = OpenWithDictionaries();
  EXPECT_EQ(Captions(), kLayout);
  const QStringList untouched = Untouched();
  EXPECT_EQ(basa_requests_, 0) << "nothing is fetched at start-up";

  const struct {
    const char* button;
    const QStringList& captions;
    std::pair<bool, bool> states;  // E, R enabled
    int requests;                  // of each dictionary so far
  } steps[] = {
      {"R", kRussian, {true, false}, 0},
      {"E", kEnglish, {false, true}, 1},
      {"R", kRussian, {true, false}, 1},
      {"E", kEnglish, {false, true}, 2},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.button);
    Control<QAbstractButton>(step.button)->click();
    EXPECT_EQ(Captions(), step.captions);
    EXPECT_EQ(ButtonStates(), step.states);
    EXPECT_EQ(basa_requests_, step.requests);
    EXPECT_EQ(chemp_requests_, step.requests);
    EXPECT_EQ(Untouched(), untouched);
    EXPECT_EQ(window.Core().CurrentLanguage(), Language::kEnglish)
        << "only the run fixes the language";
  }
  EXPECT_EQ(window.Core().TranslateTeam(W("ЗЕНИТ")), "Zenit");
  EXPECT_EQ(window.Core().TranslateChampionship(W("Футбол. Англия")), "England");
}

TEST_F(LanguageTest, AFailedDictionaryKeepsItsTextAndTheOtherIsStillFetched) {
  MainWindow& window = OpenWithDictionaries(404, 200);
  window.RClick();
  window.EClick();
  EXPECT_EQ(window.Core().TeamDictionary(), "");
  EXPECT_EQ(window.Core().ChampionshipDictionary(), W("Англия=England\r\n"));
  EXPECT_EQ(basa_requests_, 1);
  EXPECT_EQ(chemp_requests_, 1);
  EXPECT_EQ(window.Core().TranslateTeam(W("Зенит")), W("Зенит"));
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(LanguageTest, FixingTheChoiceSetsTheLanguageTheButtonsShow) {
  MainWindow& window = OpenWithDictionaries();
  window.FixLanguageChoice();
  EXPECT_EQ(window.Core().CurrentLanguage(), Language::kEnglish);
  EXPECT_EQ(Captions(), kEnglish) << "English applied once more, with \"Step 1:\" and \"Save\"";
  EXPECT_EQ(basa_requests_, 1);

  window.RClick();
  window.FixLanguageChoice();
  EXPECT_EQ(window.Core().CurrentLanguage(), Language::kRussian);
  EXPECT_EQ(Captions(), kRussian);
  EXPECT_EQ(basa_requests_, 1) << "Russian loads nothing";
}

}  // namespace
}  // namespace kavero::app::testing
