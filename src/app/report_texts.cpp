#include "app/report_texts.h"

#include "app/widget_text.h"

namespace kavero::app {
namespace {

QString Pick(bool russian, const QString& english, const QString& russian_text) {
  return russian ? russian_text : english;
}

QString MatchName(std::string_view home, std::string_view away) {
  return Shown(home) + QStringLiteral(" – ") + Shown(away);
}

}  // namespace

QString ReasonText(const PageProblem& problem, bool russian) {
  switch (problem.fault) {
    case PageFault::kRefused:
      return Pick(russian, QStringLiteral("connection refused"),
                  QStringLiteral("соединение не установлено"));
    case PageFault::kNoHost:
      return Pick(russian, QStringLiteral("server not found"), QStringLiteral("сервер не найден"));
    case PageFault::kTimeOut:
      return Pick(russian, QStringLiteral("time-out: no answer in time"),
                  QStringLiteral("время ожидания истекло"));
    case PageFault::kStatus:
      return Pick(russian, QStringLiteral("status %1"), QStringLiteral("статус %1"))
          .arg(problem.status);
    case PageFault::kRedirect:
      return Pick(russian, QStringLiteral("redirected elsewhere"),
                  QStringLiteral("перенаправление на другой адрес"));
    case PageFault::kTooLarge:
      return Pick(russian, QStringLiteral("page too large"),
                  QStringLiteral("страница слишком большая"));
    case PageFault::kCutOff:
      return Pick(russian, QStringLiteral("answer cut off"), QStringLiteral("ответ оборван"));
    case PageFault::kFailed:
      return Pick(russian, QStringLiteral("failed: %1"), QStringLiteral("ошибка: %1"))
          .arg(QString::fromStdString(problem.detail));
    case PageFault::kUtf8LinePage:
      return Pick(russian, QStringLiteral("the page is UTF-8, a Windows-1251 page was expected"),
                  QStringLiteral("страница в UTF-8, ожидалась страница в Windows-1251"));
    case PageFault::kNoFootballSections:
      return Pick(russian, QStringLiteral("no football sections in the line menu"),
                  QStringLiteral("в меню линии нет разделов футбола"));
    case PageFault::kNoChampionshipHeading:
      return Pick(russian, QStringLiteral("no championship heading found"),
                  QStringLiteral("не найден ни один заголовок чемпионата"));
    case PageFault::kNoRecentResults:
      return Pick(russian, QStringLiteral("no recent results on the statistics page"),
                  QStringLiteral("на странице статистики нет последних результатов"));
    case PageFault::kTeamPageNotUtf8:
      return Pick(russian, QStringLiteral("the team page is not UTF-8"),
                  QStringLiteral("страница команды не в UTF-8"));
    case PageFault::kTeamRowNotFound:
      return Pick(russian, QStringLiteral("team row not found on the team page"),
                  QStringLiteral("строка команды не найдена на странице команды"));
    case PageFault::kStopped:
      return Pick(russian, QStringLiteral("not read: stopped"),
                  QStringLiteral("не прочитано: остановлено"));
  }
  return {};
}

QString ProblemLine(const PageProblem& problem, bool russian) {
  return Shown(problem.address) + QStringLiteral(": ") + ReasonText(problem, russian);
}

QString RunSummaryText(std::size_t matches, bool statistics_read, std::size_t not_read,
                       std::size_t other_pages, bool russian) {
  // No-break spaces keep each count with its words when the line wraps.
  QString text =
      Pick(russian,
           matches == 1 ? QStringLiteral("%1\u00A0match") : QStringLiteral("%1\u00A0matches"),
           QStringLiteral("матчей:\u00A0%1"))
          .arg(matches);
  if (statistics_read) {
    text += Pick(russian, QStringLiteral(" · %1\u00A0read · %2\u00A0not\u00A0read"),
                 QStringLiteral(" · прочитано:\u00A0%1 · не\u00A0прочитано:\u00A0%2"))
                .arg(matches - not_read)
                .arg(not_read);
  } else {
    text += Pick(russian, QStringLiteral(" · indicators\u00A0not\u00A0computed (box\u00A0ticked)"),
                 QStringLiteral(" · индикаторы\u00A0не\u00A0вычислены (флажок\u00A0отмечен)"));
  }
  if (other_pages > 0) {
    text += Pick(russian, QStringLiteral(" · pages\u00A0with\u00A0problems:\u00A0%1"),
                 QStringLiteral(" · страниц\u00A0с\u00A0ошибками:\u00A0%1"))
                .arg(other_pages);
  }
  return text;
}

QString LineNotReadText(const PageProblem& problem, bool russian) {
  return Pick(russian, QStringLiteral("The betting line could not be read: %1"),
              QStringLiteral("Линию не удалось прочитать: %1"))
      .arg(ProblemLine(problem, russian));
}

QString StartDemoSiteText(bool russian) {
  return Pick(russian, QStringLiteral(" · Is the demo site running? Start kavero-demo-site"),
              QStringLiteral(" · Запущен ли демонстрационный сайт? Запустите kavero-demo-site"));
}

QString MatchNotReadText(std::string_view home, std::string_view away, const PageProblem& problem,
                         bool russian) {
  return Pick(russian, QStringLiteral("%1 could not be read, values kept: %2"),
              QStringLiteral("%1: не удалось прочитать, значения сохранены: %2"))
      .arg(MatchName(home, away), ReasonText(problem, russian));
}

QString MatchProblemsText(std::string_view home, std::string_view away, std::size_t pages,
                          bool russian) {
  return Pick(russian, QStringLiteral("%1 read · pages with problems: %2"),
              QStringLiteral("%1 прочитан · страниц с ошибками: %2"))
      .arg(MatchName(home, away))
      .arg(pages);
}

QString GoTotalAllText(std::size_t rows, std::size_t not_read, std::size_t pages, bool russian) {
  return Pick(russian,
              QStringLiteral("Go Total All: %1 of %2 matches not read, values kept · "
                             "pages with problems: %3"),
              QStringLiteral("Обработать все: не прочитано %1 из %2, значения сохранены · "
                             "страниц с ошибками: %3"))
      .arg(not_read)
      .arg(rows)
      .arg(pages);
}

QString SavedToText(const std::string& path, bool russian) {
  return Pick(russian, QStringLiteral("Saved to %1"), QStringLiteral("Сохранено в %1"))
      .arg(QString::fromStdString(path));
}

QString PublishingText(const SaveOutcome& outcome, std::string_view today, std::size_t matches,
                       bool russian) {
  switch (outcome.publishing) {
    case Publishing::kNotAsked:
      break;
    case Publishing::kAlreadyThere:
      return Pick(russian, QStringLiteral("the table of %1 was already published"),
                  QStringLiteral("таблица за %1 уже опубликована"))
          .arg(Shown(today));
    case Publishing::kSent:
      return Pick(russian, QStringLiteral("published for %1: %2\u00A0matches"),
                  QStringLiteral("опубликовано за %1: матчей:\u00A0%2"))
          .arg(Shown(today))
          .arg(matches);
    case Publishing::kFailed:
      return Pick(russian, QStringLiteral("not published: %1"),
                  QStringLiteral("не опубликовано: %1"))
          .arg(outcome.failure ? ReasonText(*outcome.failure, russian) : QString());
  }
  return {};
}

QString PublishingNotReadText(std::size_t rows, bool russian) {
  return Pick(russian, QStringLiteral("not read when publishing:\u00A0%1, the run's values kept"),
              QStringLiteral("не прочитано при публикации:\u00A0%1, оставлены значения прогона"))
      .arg(rows);
}

QString StartAgainCaption(bool russian) {
  return Pick(russian, QStringLiteral("Start again"), QStringLiteral("Начать заново"));
}

QString StopCaption(bool russian) {
  return Pick(russian, QStringLiteral("Stop"), QStringLiteral("Стоп"));
}

QString ReportTitle(bool russian) {
  return Pick(russian, QStringLiteral("Run report"), QStringLiteral("Отчёт о чтении"));
}

QString ReportHeader(int column, bool russian) {
  if (column == 0) return Pick(russian, QStringLiteral("Address"), QStringLiteral("Адрес"));
  if (column == 1) return Pick(russian, QStringLiteral("Reason"), QStringLiteral("Причина"));
  return Pick(russian, QStringLiteral("Match"), QStringLiteral("Матч"));
}

QString ReportLogText(const QString& log_path, bool russian) {
  return Pick(russian, QStringLiteral("Also written to %1"),
              QStringLiteral("Отчёт записан также в файл %1"))
      .arg(log_path);
}

QString ReportEmptyText(bool russian) {
  return Pick(russian, QStringLiteral("Every page was read and understood."),
              QStringLiteral("Все страницы прочитаны и поняты."));
}

QString ReportClickHint(bool russian) {
  return Pick(russian, QStringLiteral("Click for the whole report."),
              QStringLiteral("Щёлкните, чтобы открыть весь отчёт."));
}

}  // namespace kavero::app
