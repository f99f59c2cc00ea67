#include "app/history_texts.h"

#include <QDir>
#include <QStringList>

namespace kavero::app {
namespace {

QString Pick(Language language, const QString& english, const QString& in_russian) {
  return language == Language::kRussian ? in_russian : english;
}

}  // namespace

history::RunClock RunClockOf(const QDateTime& now) {
  const QDate day = now.date();
  return {now.toSecsSinceEpoch(),
          {day.year(), day.month(), day.day()},
          now.time().hour() * 60 + now.time().minute()};
}

QString CellHint(const RunHistory& history, const MatchRow& row, history::OddsSide side,
                 Language language, char decimal_separator) {
  const history::LineMovement* movement = history.MovementOf(row);
  if (movement == nullptr) return {};
  return QString::fromStdString(
      history::MovementHint(*movement, side, language, decimal_separator));
}

QString DetailLine(const RunHistory& history, const MatchRow& row, Language language,
                   char decimal_separator) {
  QStringList parts;
  const QString under =
      CellHint(history, row, history::OddsSide::kUnder, language, decimal_separator);
  const QString over =
      CellHint(history, row, history::OddsSide::kOver, language, decimal_separator);
  if (!under.isEmpty())
    parts << Pick(language, QStringLiteral("Under "), QStringLiteral("Мен. ")) + under;
  if (!over.isEmpty())
    parts << Pick(language, QStringLiteral("Over "), QStringLiteral("Бол. ")) + over;
  return parts.join(QStringLiteral(" · "));
}

QString TakeStatusNote(RunHistory& history, Language language) {
  QString note;
  if (history.TakeRestart()) {
    note += Pick(
        language,
        QStringLiteral(" · the\u00A0old\u00A0history\u00A0file\u00A0was\u00A0moved\u00A0aside, "
                       "a\u00A0new\u00A0one\u00A0started"),
        QStringLiteral(" · старый\u00A0файл\u00A0истории\u00A0отложен, "
                       "начат\u00A0новый"));
  }
  if (history.Failure()) {
    note += Pick(language, QStringLiteral(" · history\u00A0was\u00A0not\u00A0saved"),
                 QStringLiteral(" · история\u00A0не\u00A0сохранена"));
  }
  return note;
}

PageReport WithProblem(const RunHistory& history, PageReport report, Language language) {
  if (!history.Failure()) return report;
  PageProblem problem;
  problem.address =
      (QDir(QString::fromStdString(history.Folder())).filePath(QStringLiteral("history.sqlite")))
          .toStdString();
  problem.fault = PageFault::kFailed;
  problem.detail = Pick(language, QStringLiteral("history was not saved (%1)"),
                        QStringLiteral("история не сохранена (%1)"))
                       .arg(QString::fromStdString(history.Failure()->detail))
                       .toStdString();
  report.push_back(std::move(problem));
  return report;
}

}  // namespace kavero::app
