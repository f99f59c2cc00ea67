#include "app/mark_record_hints.h"

#include <QLocale>
#include <cmath>
#include <stdexcept>

#include "app/mark_records_text.h"
#include "backtest/mark_records.h"
#include "results/general_format.h"
#include "stats/indicator_rules.h"

namespace kavero::app {
namespace {

const MarkRecords& Records() {
  static const MarkRecords records = [] {
    const auto read = ReadMarkRecords(kMarkRecordsText);
    if (!read) throw std::logic_error("data/mark-records.txt cannot be read");
    return *read;
  }();
  return records;
}

const MarkFigures& FiguresOf(Mark mark) {
  return Records().marks[static_cast<std::size_t>(mark)];
}

char Separator(Language language) {
  return language == Language::kRussian ? ',' : '.';
}

QString Count(int value, Language language) {
  return QLocale(language == Language::kRussian ? QLocale::Russian : QLocale::English)
      .toString(value);
}

QString WholePercent(double share) {
  return QString::number(std::lround(share * 100)) + QStringLiteral(" %");
}

// "(2009–2024, 5 leagues)"
QString Where(Language language) {
  const MarkRecords& records = Records();
  return (language == Language::kRussian ? QStringLiteral("(%1–%2, лиг: %3)")
                                         : QStringLiteral("(%1–%2, %3 leagues)"))
      .arg(records.first_year)
      .arg(records.last_year)
      .arg(records.leagues);
}

QString Threshold(double value, Language language) {
  const QString text = QString::fromStdString(FormatGeneral(std::abs(value), Separator(language)));
  return value < 0 ? QStringLiteral("−") + text : text;
}

QString MarkLine(Mark mark, const QString& header, double threshold, Language language) {
  const MarkFigures& figures = FiguresOf(mark);
  const bool over = mark == Mark::kStep1Green || mark == Mark::kStep2Green;
  // The red marks bet under; the line still says how often over happened.
  const double over_share = over ? figures.won : 1 - figures.won;
  const double market_over = over ? figures.market : 1 - figures.market;
  const bool russian = language == Language::kRussian;
  const QString pattern =
      russian ? QStringLiteral(
                    "%1 %2 %3 (%4): больше 2,5 в %5 из %6 настоящих матчей %7; рынок "
                    "ожидал %8; ставка на %9 во всех них принесла %10")
              : QStringLiteral(
                    "%1 %2 %3 (%4): over 2.5 in %5 of %6 real matches %7; the market "
                    "expected %8; betting %9 on all of them returned %10");
  return pattern
      .arg(header, over ? QStringLiteral("≥") : QStringLiteral("≤"), Threshold(threshold, language),
           over ? (russian ? QStringLiteral("зелёный") : QStringLiteral("green"))
                : (russian ? QStringLiteral("красный") : QStringLiteral("red")),
           WholePercent(over_share), Count(figures.matches, language), Where(language),
           WholePercent(market_over),
           over ? (russian ? QStringLiteral("больше") : QStringLiteral("over"))
                : (russian ? QStringLiteral("меньше") : QStringLiteral("under")))
      .arg(SignedPercent(figures.returned, Separator(language)));
}

}  // namespace

QString StepMarkRecordHint(int step, Language language) {
  const bool russian = language == Language::kRussian;
  if (step == 1) {
    const QString header = russian ? QStringLiteral("Шаг1") : QStringLiteral("Step1");
    return MarkLine(Mark::kStep1Green, header, kStep1GreenFrom, language) + QLatin1Char('\n') +
           MarkLine(Mark::kStep1Red, header, kStep1RedUpTo, language);
  }
  const QString header = russian ? QStringLiteral("Шаг2") : QStringLiteral("Step2");
  return MarkLine(Mark::kStep2Green, header, kStep2GreenFrom, language) + QLatin1Char('\n') +
         MarkLine(Mark::kStep2Red, header, kStep2RedUpTo, language);
}

QString ValueMarkRecordHint(Language language) {
  const MarkFigures& value = FiguresOf(Mark::kValue);
  const char separator = Separator(language);
  const QString pattern =
      language == Language::kRussian
          ? QStringLiteral(
                "На настоящем футболе эта отметка почти не встречается: %1 из %2 настоящих "
                "матчей %3, и только при коэффициентах, не оставлявших букмекеру маржи (не "
                "более %4); ставки на отмеченную сторону принесли %5 — слишком мало ставок, "
                "чтобы судить")
          : QStringLiteral(
                "On real football this mark almost never shows: on %1 of %2 real matches %3, "
                "and only at prices that left the bookmaker no margin (at most %4); betting the "
                "marked side returned %5, too few bets to tell");
  return pattern.arg(Count(value.matches, language), Count(Records().matches, language),
                     Where(language), SignedPercent(Records().value_highest_margin, separator),
                     SignedPercent(value.returned, separator));
}

}  // namespace kavero::app
