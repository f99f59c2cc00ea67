#include "app/captions.h"

namespace kavero::app {
namespace {

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
      .hint_language = HintLanguage::kEnglish,
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
      .hint_language = HintLanguage::kRussian,
  };
  return captions;
}

}  // namespace kavero::app
