#include "line_pages.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "page_text.h"

namespace kavero::demo {
namespace {

constexpr std::string_view kHead =
    "<html>\n<head>\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">\n";

// Hand-made pages mix the case of their tags; the line's readers must cope.
struct TagStyle {
  std::string_view row, cell, colspan, time_word;
};
constexpr TagStyle kTagStyles[] = {
    {"tr", "td", "colspan", "Время"},
    {"TR", "TD", "COLSPAN", "ВРЕМЯ"},
    {"Tr", "Td", "Colspan", "Время"},
};

std::string Cell(const TagStyle& style, std::string_view attributes, std::string_view text) {
  std::string cell = "<" + std::string(style.cell);
  if (!attributes.empty()) cell += " " + std::string(attributes);
  return cell + ">" + std::string(text) + "</" + std::string(style.cell) + ">";
}

std::string DateRow(const TagStyle& style, Day day) {
  return "<tr class=\"date\"><" + std::string(style.cell) + " " + std::string(style.colspan) +
         "=\"18\">" + DayText(day) + "</" + std::string(style.cell) + "></tr>\n";
}

std::string HeadingRow(const TagStyle& style) {
  std::string row = "<tr class=\"head\">" + Cell(style, "", style.time_word);
  for (std::string_view caption :
       {"Команда 1", "1", "X", "Команда 2", "2", "1X", "12", "X2", "Фора", "Кф", "Фора", "Кф",
        "Тотал", "Мен", "Бол", "Ещё", "Стат"}) {
    row += Cell(style, "", caption);
  }
  return row + "</tr>\n";
}

std::string MatchRow(const World& world, const TagStyle& style, const Fixture& fixture) {
  const MatchOdds& odds = fixture.odds;
  // A far-off handicap is not offered.
  const bool handicap_offered = std::abs(odds.handicap) <= 2;
  auto handicap_cell = [&](std::string_view text) {
    return Cell(style, "class=\"k\"", handicap_offered ? text : std::string_view("&nbsp;"));
  };
  std::string row = "<" + std::string(style.row) + " class=\"ev\">";
  row += Cell(style, "", ClockText(fixture.kickoff));
  row += Cell(style, "class=\"team\"", world.clubs[fixture.home].russian);
  row += Cell(style, "", PriceText(odds.home_win));
  row += Cell(style, "", PriceText(odds.draw));
  row += Cell(style, "class=\"team\"", world.clubs[fixture.away].russian);
  row += Cell(style, "", PriceText(odds.away_win));
  row += Cell(style, "", PriceText(odds.home_or_draw));
  row += Cell(style, "", PriceText(odds.home_or_away));
  row += Cell(style, "", PriceText(odds.draw_or_away));
  row += handicap_cell(HandicapText(odds.handicap));
  row += handicap_cell(PriceText(odds.home_handicap));
  row += handicap_cell(HandicapText(-odds.handicap));
  row += handicap_cell(PriceText(odds.away_handicap));
  row += Cell(style, "class=\"total\"", TotalText(odds.total));
  row += Cell(style, "", PriceText(odds.under));
  row += Cell(style, "", PriceText(odds.over));
  row += Cell(style, "class=\"more\"", "+" + std::to_string(fixture.more_markets));
  row += Cell(style, "class=\"st\"",
              "<a href=\"stat/" + std::to_string(fixture.id) + ".html\">стат</a>");
  return row + "</tr>\n";
}

std::string ChampionshipSection(const World& world, int index) {
  const Championship& championship = world.championships[index];
  const TagStyle& style = kTagStyles[index % std::size(kTagStyles)];
  std::string html = "<h2>Футбол. " + std::string(championship.russian) + ":</h2>\n";
  html += "<table class=\"line\" id=\"line" + std::to_string(championship.line_id) + "\">\n";
  html +=
      "<tr class=\"caption\"><th>Время</th><th>Хозяева</th><th>П1</th><th>X</th><th>Гости</th>"
      "<th>П2</th><th>1X</th><th>12</th><th>X2</th><th colspan=\"4\">Форы</th>"
      "<th colspan=\"3\">Тотал</th><th>Ещё</th><th>Статистика</th></tr>\n";
  Day shown_day{};
  bool first = true;
  for (int f : championship.fixtures) {
    const Fixture& fixture = world.fixtures[f];
    if (first || fixture.day != shown_day) {
      html += DateRow(style, fixture.day) + HeadingRow(style);
      shown_day = fixture.day;
      first = false;
    }
    html += MatchRow(world, style, fixture);
  }
  return html + "</table>\n";
}

}  // namespace

std::string LineMenuPage(const World& world) {
  std::string html(kHead);
  html +=
      "<title>Линия ставок</title>\n</head>\n<body>\n<h1>Линия ставок</h1>\n"
      "<form action=\"bets2.php\" method=\"get\" name=\"line\">\n"
      "<div class=\"sport\"><b>Футбол</b></div>\n<table class=\"menu\">\n";
  for (const Championship& championship : world.championships) {
    if (championship.fixtures.empty()) continue;
    html += "<tr><td><input type=\"checkbox\" name=\"line_id[]\" value=\"" +
            std::to_string(championship.line_id) + "\"></td><td>Футбол. " +
            std::string(championship.russian) + "</td><td>" +
            std::to_string(championship.fixtures.size()) + "</td></tr>\n";
  }
  html +=
      "</table>\n<div class=\"sport\"><b>Футбол: долгосрочные ставки</b></div>\n"
      "<table class=\"menu\">\n"
      "<tr><td><input type=\"checkbox\" name=\"line_id[]\" value=\"901\"></td>"
      "<td>Чемпионат мира. Победитель турнира</td><td>48</td></tr>\n"
      "</table>\n<div class=\"sport\"><b>Хоккей</b></div>\n<table class=\"menu\">\n"
      "<tr><td><input type=\"checkbox\" name=\"line_id[]\" value=\"2\"></td>"
      "<td>Хоккей. КХЛ</td><td>12</td></tr>\n"
      "</table>\n<p><input type=\"submit\" value=\"Показать\"></p>\n</form>\n</body>\n</html>\n";
  return InCp1251(html);
}

std::string LineTablesPage(const World& world, const std::vector<std::string>& line_ids) {
  std::string html(kHead);
  html += "<title>Линия: выбранные события</title>\n</head>\n<body>\n";
  html += "<form action=\"bets3.php\" method=\"post\" name=\"coupon\">\n";
  for (std::size_t c = 0; c < world.championships.size(); ++c) {
    const Championship& championship = world.championships[c];
    const bool requested = std::find(line_ids.begin(), line_ids.end(),
                                     std::to_string(championship.line_id)) != line_ids.end();
    if (requested && !championship.fixtures.empty()) {
      html += ChampionshipSection(world, static_cast<int>(c));
    }
  }
  html +=
      "<p>Сумма ставки: <input type=\"text\" name=cc size=\"6\"> "
      "<input type=\"submit\" value=\"Сделать ставку\"></p>\n</form>\n</body>\n</html>\n";
  return InCp1251(html);
}

}  // namespace kavero::demo
