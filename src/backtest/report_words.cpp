#include "backtest/report_words.h"

namespace kavero {

const ReportWords& EnglishReportWords() {
  static const ReportWords words{
      '.',
      ",",
      "Backtest on past seasons: what the window's marks and chance have been worth",
      "Prices bet at: %1",
      "Files read: %1; matches read: %2",
      "Evaluated: %1 (both teams had played four games of the season); not evaluated: %2",
      "With both prices: %1; over 2.5 in %2 of them. Marks, calibration and scores are of these.",
      "Skipped or noted (%1):",
      "%1, line %2: %3",
      "%1: %2",
      " (left out)",
      {"the file could not be read", "the file is empty", "columns missing: %1",
       "the score \"%1\" is not a number", "the date \"%1\" cannot be read",
       "the time \"%1\" cannot be read", "a team name is missing",
       "the price \"%1\" is not a number above 1",
       "names are not UTF-8 and were read as Windows-1252 (%1 rows, from this line on)"},
      "Marks, betting the marked side at these prices (95 % intervals):",
      {"Mark", "Matches", "Side won", "Market", "Return"},
      "Step1 \xE2\x89\xA5 %1 (green), over",
      "Step1 \xE2\x89\xA4 %1 (red), under",
      "Step2 \xE2\x89\xA5 %1 (green), over",
      "Step2 \xE2\x89\xA4 %1 (red), under",
      "Value mark (edge \xE2\x89\xA5 %1), either side",
      "Blind, every over and under",
      "The value mark: %1 bets; the window stated an edge of %2 on average for them.",
      "Calibration of the chance of over 2.5 the window shows:",
      {"Chance", "Predicted", "Observed (95 %)", "Matches"},
      "Scores of the chance of over 2.5 (lower is better):",
      {"", "Brier", "Log loss"},
      "The window's chance",
      "The market's fair chance",
      "The base rate (%1)",
      "(%1 to %2)",
  };
  return words;
}

const ReportWords& RussianReportWords() {
  static const ReportWords words{
      ',',
      "\xC2\xA0",
      "Проверка на прошлых сезонах: чего стоили отметки и шанс окна",
      "Коэффициенты ставок: %1",
      "Прочитано файлов: %1; матчей: %2",
      "Оценено: %1 (обе команды сыграли по четыре матча сезона); не оценено: %2",
      "С обоими коэффициентами: %1; больше 2,5 в %2 из них. Отметки, калибровка и оценки — по "
      "ним.",
      "Пропущено или отмечено (%1):",
      "%1, строка %2: %3",
      "%1: %2",
      " (пропущено)",
      {"файл не читается", "файл пуст", "нет столбцов: %1", "счёт «%1» — не число",
       "дата «%1» не читается", "время «%1» не читается", "нет названия команды",
       "коэффициент «%1» — не число больше 1",
       "названия не в UTF-8 и прочитаны как Windows-1252 (строк: %1, начиная с этой)"},
      "Отметки: ставка на отмеченную сторону по этим коэффициентам (интервалы 95 %):",
      {"Отметка", "Матчи", "Сторона прошла", "Рынок", "Доход"},
      "Шаг1 \xE2\x89\xA5 %1 (зелёный), больше",
      "Шаг1 \xE2\x89\xA4 %1 (красный), меньше",
      "Шаг2 \xE2\x89\xA5 %1 (зелёный), больше",
      "Шаг2 \xE2\x89\xA4 %1 (красный), меньше",
      "Отметка перевеса (\xE2\x89\xA5 %1), любая сторона",
      "Вслепую, каждое больше и меньше",
      "Отметка перевеса: ставок %1; окно обещало по ним перевес в среднем %2.",
      "Калибровка шанса больше 2,5, который показывает окно:",
      {"Шанс", "Предсказано", "Наблюдалось (95 %)", "Матчи"},
      "Оценки шанса больше 2,5 (меньше — лучше):",
      {"", "Брайер", "Лог. потери"},
      "Шанс окна",
      "Честный шанс рынка",
      "Базовая частота (%1)",
      "(от %1 до %2)",
  };
  return words;
}

std::string Fill(std::string_view pattern, const std::vector<std::string>& values) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const auto index = static_cast<std::size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
      out += values[index];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace kavero
