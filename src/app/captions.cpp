#include "app/captions.h"

namespace kavero::app {
namespace {

// Column header hints: the header, then what the column holds. The headers of
// TUR and TOT_COM are the same in both languages; their hints are not.
const std::array<QString, 11> kEnglishMatchHints = {
    QStringLiteral("Flag of the championship; rest the pointer on it for the championship's name"),
    QStringLiteral("Date: the day of the match"),
    QStringLiteral("Time: kick-off time"),
    QStringLiteral("Home: the home team"),
    QStringLiteral("Away: the away team"),
    QStringLiteral("Total: the bookmaker's line of total goals"),
    QStringLiteral("Under: odds for fewer goals than the total"),
    QStringLiteral("Over: odds for more goals than the total"),
    QStringLiteral("URL: address of the match's statistics page"),
    QStringLiteral("Step1: points for matches of three or more goals with both sides scoring, "
                   "over the last four matches of each team, from -10 to 10; "
                   "green at 5 or more, red at -5 or less"),
    QStringLiteral("Step2: weighted average of goals scored and conceded in the last four "
                   "matches of each team; green at 2.7 or more, red at 2 or less"),
};
const std::array<QString, 3> kEnglishHistoryHints = {
    QStringLiteral("Date: the day of the past match"),
    QStringLiteral("Home - Away: the two teams, the home team first"),
    QStringLiteral("Score: the final score, the half-time score in brackets"),
};
const std::array<QString, 8> kEnglishTurHints = {
    QStringLiteral("М: place in the league table"),
    QStringLiteral("Com: the team"),
    QStringLiteral("И: matches played"),
    QStringLiteral("В: matches won"),
    QStringLiteral("Н: matches drawn"),
    QStringLiteral("П: matches lost"),
    QStringLiteral("З - П: goals scored and conceded"),
    QStringLiteral("О: points"),
};
const std::array<QString, 8> kEnglishTotalsHints = {
    QStringLiteral("Команда: the team; \"Общее\" is both teams together"),
    QStringLiteral("И: matches played"),
    QStringLiteral("0,5: matches with more than 0.5 goals"),
    QStringLiteral("1,5: matches with more than 1.5 goals"),
    QStringLiteral("2,5: matches with more than 2.5 goals"),
    QStringLiteral("0,5 %: share of matches with more than 0.5 goals; green at 90 % or more"),
    QStringLiteral("1,5 %: share of matches with more than 1.5 goals; green at 70 % or more"),
    QStringLiteral("2,5 %: share of matches with more than 2.5 goals; green at 55 % or more"),
};

// Columns 0 and 8 keep their layout headers in every language; the window
// leaves them alone, so they are empty here.
Captions English(const QString& step1, const QString& step2, const QString& save2) {
  return {
      .free_ware = QStringLiteral("FreeWare"),
      .help = QStringLiteral("HELP"),
      .match_headers = {QString(), QStringLiteral("Date"), QStringLiteral("Time"),
                        QStringLiteral("Home"), QStringLiteral("Away"), QStringLiteral("Total"),
                        QStringLiteral("Under"), QStringLiteral("Over"), QString(),
                        QStringLiteral("Step1"), QStringLiteral("Step2")},
      .history_headers = {QStringLiteral("Date"), QStringLiteral("Home - Away"),
                          QStringLiteral("Score")},
      .date_label = QStringLiteral("Date:"),
      .step1_label = step1,
      .step2_label = step2,
      .without_totals = QStringLiteral("Without preliminary processing totals"),
      .found_label = QStringLiteral("It is found:"),
      .start = QStringLiteral("Start"),
      .save2 = save2,
      .go_total_all2 = QStringLiteral("Go Total All"),
      .save1 = QStringLiteral("Save"),
      .go_total_all1 = QStringLiteral("Go Total All"),
      .export_csv = QStringLiteral("Export CSV…"),
      .past_seasons = QStringLiteral("Check on past seasons…"),
      .my_record = QStringLiteral("My record…"),
      .language = Language::kEnglish,
      .match_hints = kEnglishMatchHints,
      .history_hints = kEnglishHistoryHints,
      .tur_hints = kEnglishTurHints,
      .totals_hints = kEnglishTotalsHints,
  };
}

}  // namespace

const Captions& LayoutCaptions() {
  static const Captions captions =
      English(QStringLiteral("STEP 1:"), QStringLiteral("STEP 2:"), QStringLiteral("SAVE"));
  return captions;
}

const Captions& EnglishCaptions() {
  static const Captions captions =
      English(QStringLiteral("Step 1:"), QStringLiteral("Step 2:"), QStringLiteral("Save"));
  return captions;
}

const Captions& RussianCaptions() {
  static const Captions captions = {
      .free_ware = QStringLiteral("Свободно"),
      .help = QStringLiteral("ПОМОЩЬ"),
      .match_headers = {QString(), QStringLiteral("Дата"), QStringLiteral("Время"),
                        QStringLiteral("Хозяева"), QStringLiteral("Гости"), QStringLiteral("Тотал"),
                        QStringLiteral("Мен."), QStringLiteral("Бол."), QString(),
                        QStringLiteral("Шаг1"), QStringLiteral("Шаг2")},
      .history_headers = {QStringLiteral("Дата"), QStringLiteral("Матч"), QStringLiteral("Счет")},
      .date_label = QStringLiteral("Дата:"),
      .step1_label = QStringLiteral("Шаг 1:"),
      .step2_label = QStringLiteral("Шаг 2:"),
      .without_totals = QStringLiteral("Без предварительной обработки тоталов"),
      .found_label = QStringLiteral("Найдено:"),
      .start = QStringLiteral("Старт"),
      .save2 = QStringLiteral("Сохранить"),
      .go_total_all2 = QStringLiteral("Обработать все"),
      .save1 = QStringLiteral("Сохранить"),
      .go_total_all1 = QStringLiteral("Обработать все"),
      .export_csv = QStringLiteral("Экспорт CSV…"),
      .past_seasons = QStringLiteral("Проверка на прошлых сезонах…"),
      .my_record = QStringLiteral("Мои результаты…"),
      .language = Language::kRussian,
      .match_hints =
          {
              QStringLiteral("Флаг чемпионата; задержите на нём указатель, чтобы увидеть "
                             "название чемпионата"),
              QStringLiteral("Дата: день матча"),
              QStringLiteral("Время: время начала матча"),
              QStringLiteral("Хозяева: команда хозяев"),
              QStringLiteral("Гости: команда гостей"),
              QStringLiteral("Тотал: линия букмекера по сумме голов"),
              QStringLiteral("Мен.: коэффициент на меньше голов, чем тотал"),
              QStringLiteral("Бол.: коэффициент на больше голов, чем тотал"),
              QStringLiteral("URL: адрес страницы статистики матча"),
              QStringLiteral("Шаг1: очки за матчи с тремя и более голами, где забивали обе "
                             "команды, по последним четырём матчам каждой команды, от -10 до "
                             "10; зелёный от 5 и выше, красный от -5 и ниже"),
              QStringLiteral("Шаг2: взвешенное среднее забитых и пропущенных голов в последних "
                             "четырёх матчах каждой команды; зелёный от 2,7 и выше, красный от "
                             "2 и ниже"),
          },
      .history_hints =
          {
              QStringLiteral("Дата: день прошедшего матча"),
              QStringLiteral("Матч: две команды, первой хозяева"),
              QStringLiteral("Счет: итоговый счёт, в скобках счёт первого тайма"),
          },
      .tur_hints =
          {
              QStringLiteral("М: место в турнирной таблице"),
              QStringLiteral("Com: команда"),
              QStringLiteral("И: сыграно матчей"),
              QStringLiteral("В: побед"),
              QStringLiteral("Н: ничьих"),
              QStringLiteral("П: поражений"),
              QStringLiteral("З - П: забито и пропущено голов"),
              QStringLiteral("О: очков"),
          },
      .totals_hints =
          {
              QStringLiteral("Команда: команда; «Общее» — обе команды вместе"),
              QStringLiteral("И: сыграно матчей"),
              QStringLiteral("0,5: матчей, где забито больше 0,5 гола"),
              QStringLiteral("1,5: матчей, где забито больше 1,5 гола"),
              QStringLiteral("2,5: матчей, где забито больше 2,5 гола"),
              QStringLiteral("0,5 %: доля матчей, где забито больше 0,5 гола; зелёный от 90 %"),
              QStringLiteral("1,5 %: доля матчей, где забито больше 1,5 гола; зелёный от 70 %"),
              QStringLiteral("2,5 %: доля матчей, где забито больше 2,5 гола; зелёный от 55 %"),
          },
  };
  return captions;
}

}  // namespace kavero::app
