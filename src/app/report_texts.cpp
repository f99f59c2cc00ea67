#include "app/report_texts.h"

#include "app/widget_text.h"

namespace kavero::app {
namespace {

QString Pick(Language language, const QString& english, const QString& russian_text) {
  return language == Language::kRussian ? russian_text : english;
}

QString MatchName(std::string_view home, std::string_view away) {
  return Shown(home) + QStringLiteral(" – ") + Shown(away);
}

}  // namespace

QString ReasonText(const PageProblem& problem, Language language) {
  switch (problem.fault) {
    case PageFault::kRefused:
      return Pick(language, QStringLiteral("connection refused"),
                  QStringLiteral("соединение не установлено"));
    case PageFault::kNoHost:
      return Pick(language, QStringLiteral("server not found"), QStringLiteral("сервер не найден"));
    case PageFault::kTimeOut:
      return Pick(language, QStringLiteral("time-out: no answer in time"),
                  QStringLiteral("время ожидания истекло"));
    case PageFault::kStatus:
      return Pick(language, QStringLiteral("status %1"), QStringLiteral("статус %1"))
          .arg(problem.status);
    case PageFault::kRedirect:
      return Pick(language, QStringLiteral("redirected elsewhere"),
                  QStringLiteral("перенаправление на другой адрес"));
    case PageFault::kTooLarge:
      return Pick(language, QStringLiteral("page too large"),
                  QStringLiteral("страница слишком большая"));
    case PageFault::kCutOff:
      return Pick(language, QStringLiteral("answer cut off"), QStringLiteral("ответ оборван"));
    case PageFault::kFailed:
      return Pick(language, QStringLiteral("failed: %1"), QStringLiteral("ошибка: %1"))
          .arg(QString::fromStdString(problem.detail));
    case PageFault::kUtf8LinePage:
      return Pick(language, QStringLiteral("the page is UTF-8, a Windows-1251 page was expected"),
                  QStringLiteral("страница в UTF-8, ожидалась страница в Windows-1251"));
    case PageFault::kNoFootballSections:
      return Pick(language, QStringLiteral("no football sections in the line menu"),
                  QStringLiteral("в меню линии нет разделов футбола"));
    case PageFault::kNoChampionshipHeading:
      return Pick(language, QStringLiteral("no championship heading found"),
                  QStringLiteral("не найден ни один заголовок чемпионата"));
    case PageFault::kNoRecentResults:
      return Pick(language, QStringLiteral("no recent results on the statistics page"),
                  QStringLiteral("на странице статистики нет последних результатов"));
    case PageFault::kTeamPageNotUtf8:
      return Pick(language, QStringLiteral("the team page is not UTF-8"),
                  QStringLiteral("страница команды не в UTF-8"));
    case PageFault::kTeamRowNotFound:
      return Pick(language, QStringLiteral("team row not found on the team page"),
                  QStringLiteral("строка команды не найдена на странице команды"));
    case PageFault::kStopped:
      return Pick(language, QStringLiteral("not read: stopped"),
                  QStringLiteral("не прочитано: остановлено"));
  }
  return {};
}

QString ProblemLine(const PageProblem& problem, Language language) {
  return Shown(problem.address) + QStringLiteral(": ") + ReasonText(problem, language);
}

QString RunSummaryText(std::size_t matches, bool statistics_read, std::size_t not_read,
                       std::size_t other_pages, Language language) {
  // No-break spaces keep each count with its words when the line wraps.
  QString text =
      Pick(language,
           matches == 1 ? QStringLiteral("%1\u00A0match") : QStringLiteral("%1\u00A0matches"),
           QStringLiteral("матчей:\u00A0%1"))
          .arg(matches);
  if (statistics_read) {
    text += Pick(language, QStringLiteral(" · %1\u00A0read · %2\u00A0not\u00A0read"),
                 QStringLiteral(" · прочитано:\u00A0%1 · не\u00A0прочитано:\u00A0%2"))
                .arg(matches - not_read)
                .arg(not_read);
  } else {
    text += Pick(language, QStringLiteral(" · indicators\u00A0not\u00A0computed (box\u00A0ticked)"),
                 QStringLiteral(" · индикаторы\u00A0не\u00A0вычислены (флажок\u00A0отмечен)"));
  }
  if (other_pages > 0) {
    text += Pick(language, QStringLiteral(" · pages\u00A0with\u00A0problems:\u00A0%1"),
                 QStringLiteral(" · страниц\u00A0с\u00A0ошибками:\u00A0%1"))
                .arg(other_pages);
  }
  return text;
}

QString LineNotReadText(const PageProblem& problem, Language language) {
  return Pick(language, QStringLiteral("The betting line could not be read: %1"),
              QStringLiteral("Линию не удалось прочитать: %1"))
      .arg(ProblemLine(problem, language));
}

QString StartDemoSiteText(Language language) {
  return Pick(language, QStringLiteral(" · Is the demo site running? Start kavero-demo-site"),
              QStringLiteral(" · Запущен ли демонстрационный сайт? Запустите kavero-demo-site"));
}

QString MatchNotReadText(std::string_view home, std::string_view away, const PageProblem& problem,
                         Language language) {
  return Pick(language, QStringLiteral("%1 could not be read, values kept: %2"),
              QStringLiteral("%1: не удалось прочитать, значения сохранены: %2"))
      .arg(MatchName(home, away), ReasonText(problem, language));
}

QString MatchProblemsText(std::string_view home, std::string_view away, std::size_t pages,
                          Language language) {
  return Pick(language, QStringLiteral("%1 read · pages with problems: %2"),
              QStringLiteral("%1 прочитан · страниц с ошибками: %2"))
      .arg(MatchName(home, away))
      .arg(pages);
}

QString GoTotalAllText(std::size_t rows, std::size_t not_read, std::size_t pages,
                       Language language) {
  return Pick(language,
              QStringLiteral("Go Total All: %1 of %2 matches not read, values kept · "
                             "pages with problems: %3"),
              QStringLiteral("Обработать все: не прочитано %1 из %2, значения сохранены · "
                             "страниц с ошибками: %3"))
      .arg(not_read)
      .arg(rows)
      .arg(pages);
}

QString SavedToText(const std::string& path, Language language) {
  return Pick(language, QStringLiteral("Saved to %1"), QStringLiteral("Сохранено в %1"))
      .arg(QString::fromStdString(path));
}

QString PublishingText(const SaveOutcome& outcome, std::string_view today, std::size_t matches,
                       Language language) {
  switch (outcome.publishing) {
    case Publishing::kNotAsked:
      break;
    case Publishing::kAlreadyThere:
      return Pick(language, QStringLiteral("the table of %1 was already published"),
                  QStringLiteral("таблица за %1 уже опубликована"))
          .arg(Shown(today));
    case Publishing::kSent:
      return Pick(language, QStringLiteral("published for %1: %2\u00A0matches"),
                  QStringLiteral("опубликовано за %1: матчей:\u00A0%2"))
          .arg(Shown(today))
          .arg(matches);
    case Publishing::kFailed:
      return Pick(language, QStringLiteral("not published: %1"),
                  QStringLiteral("не опубликовано: %1"))
          .arg(outcome.failure ? ReasonText(*outcome.failure, language) : QString());
  }
  return {};
}

QString PublishingNotReadText(std::size_t rows, Language language) {
  return Pick(language, QStringLiteral("not read when publishing:\u00A0%1, the run's values kept"),
              QStringLiteral("не прочитано при публикации:\u00A0%1, оставлены значения прогона"))
      .arg(rows);
}

QString StartAgainCaption(Language language) {
  return Pick(language, QStringLiteral("Start again"), QStringLiteral("Начать заново"));
}

QString StopCaption(Language language) {
  return Pick(language, QStringLiteral("Stop"), QStringLiteral("Стоп"));
}

QString ReportTitle(Language language) {
  return Pick(language, QStringLiteral("Run report"), QStringLiteral("Отчёт о чтении"));
}

QString ReportHeader(int column, Language language) {
  if (column == 0) return Pick(language, QStringLiteral("Address"), QStringLiteral("Адрес"));
  if (column == 1) return Pick(language, QStringLiteral("Reason"), QStringLiteral("Причина"));
  return Pick(language, QStringLiteral("Match"), QStringLiteral("Матч"));
}

QString ReportLogText(const QString& log_path, Language language) {
  return Pick(language, QStringLiteral("Also written to %1"),
              QStringLiteral("Отчёт записан также в файл %1"))
      .arg(log_path);
}

QString ReportEmptyText(Language language) {
  return Pick(language, QStringLiteral("Every page was read and understood."),
              QStringLiteral("Все страницы прочитаны и поняты."));
}

QString ReportClickHint(Language language) {
  return Pick(language, QStringLiteral("Click for the whole report."),
              QStringLiteral("Щёлкните, чтобы открыть весь отчёт."));
}

}  // namespace kavero::app
