#include "app/goals_hints.h"

#include <cmath>

#include "app/mark_record_hints.h"
#include "results/general_format.h"

namespace kavero::app {
namespace {

constexpr int kUnderColumn = 6;
constexpr int kOverColumn = 7;

QString Number(double value, int decimals, char decimal_separator) {
  QString text = QString::number(value, 'f', decimals);
  return text.replace(QLatin1Char('.'), QLatin1Char(decimal_separator));
}

QString Percent(double share, int decimals, char decimal_separator) {
  return Number(share * 100, decimals, decimal_separator) + QStringLiteral(" %");
}

}  // namespace

QString SignedPercent(double share, char decimal_separator) {
  const double shown = std::round(share * 1000) / 10;
  const QString sign = shown < 0 ? QStringLiteral("−") : QStringLiteral("+");
  return sign + Percent(std::abs(shown) / 100, 1, decimal_separator);
}

QString GoalsModelLine(const GoalsModel& model, Language language, char decimal_separator) {
  const bool russian = language == Language::kRussian;
  const QString line = QString::fromStdString(FormatGeneral(model.line, decimal_separator));
  return (russian ? QStringLiteral("Ожидаемые голы %1 · Больше %2: %3 (рынок %4, маржа %5) · "
                                   "перевес: больше %6, меньше %7")
                  : QStringLiteral("Expected goals %1 · Over %2: %3 (market %4, margin %5) · "
                                   "edge over %6, under %7"))
      .arg(Number(model.total_goals, 2, decimal_separator), line,
           Percent(model.over.win, 0, decimal_separator),
           Percent(model.over.fair, 0, decimal_separator),
           Percent(model.margin, 1, decimal_separator),
           SignedPercent(model.over.edge, decimal_separator),
           SignedPercent(model.under.edge, decimal_separator));
}

bool EdgeMarked(const MatchRow& row, int column) {
  if (!row.goals_model || (column != kUnderColumn && column != kOverColumn)) return false;
  const SideOutlook& side = column == kUnderColumn ? row.goals_model->under : row.goals_model->over;
  return side.edge >= kMarkedEdge;
}

QColor EdgeMarkBackground() {
  return QColor(204, 228, 255);
}

QString EdgeMarkHint(Language language) {
  return language == Language::kRussian
             ? QStringLiteral(
                   "Жирным на голубом: по модели голов ставка на эту сторону "
                   "приносит в среднем на 5 % и более сверх ставки\n") +
                   ValueMarkRecordHint(language)
             : QStringLiteral(
                   "Bold on pale blue: by the goals model a bet on this side "
                   "returns on average 5 % or more above the stake\n") +
                   ValueMarkRecordHint(language);
}

}  // namespace kavero::app
