#include "results/match_csv.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "base/cp1251_literal.h"
#include "base/dates.h"
#include "base/encoding.h"
#include "base/scores.h"
#include "results/csv_text.h"
#include "results/general_format.h"

namespace kavero {
namespace {

using namespace kavero::literals;

constexpr std::size_t kColumns = 21;

constexpr std::array<std::string_view, kColumns> kEnglishHeader = {"Championship",
                                                                   "Date",
                                                                   "Time",
                                                                   "Home",
                                                                   "Away",
                                                                   "Total",
                                                                   "Under",
                                                                   "Over",
                                                                   "Step1",
                                                                   "Step2",
                                                                   "Statistics read",
                                                                   "Expected goals",
                                                                   "Over % (model)",
                                                                   "Under % (model)",
                                                                   "Over % (market)",
                                                                   "Under % (market)",
                                                                   "Margin %",
                                                                   "Edge over %",
                                                                   "Edge under %",
                                                                   "Under first seen",
                                                                   "Over first seen"};

constexpr std::array<std::string_view, kColumns> kRussianHeader = {"Чемпионат"_w1251,
                                                                   "Дата"_w1251,
                                                                   "Время"_w1251,
                                                                   "Хозяева"_w1251,
                                                                   "Гости"_w1251,
                                                                   "Тотал"_w1251,
                                                                   "Мен."_w1251,
                                                                   "Бол."_w1251,
                                                                   "Шаг1"_w1251,
                                                                   "Шаг2"_w1251,
                                                                   "Статистика прочитана"_w1251,
                                                                   "Ожидаемые голы"_w1251,
                                                                   "Бол. % (модель)"_w1251,
                                                                   "Мен. % (модель)"_w1251,
                                                                   "Бол. % (рынок)"_w1251,
                                                                   "Мен. % (рынок)"_w1251,
                                                                   "Маржа %"_w1251,
                                                                   "Перевес бол. %"_w1251,
                                                                   "Перевес мен. %"_w1251,
                                                                   "Мен. (первая цена)"_w1251,
                                                                   "Бол. (первая цена)"_w1251};

std::string Fixed(double value, int decimals, char decimal_point) {
  // A value that rounds to zero carries no sign.
  if (std::abs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0;
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string out = text;
  for (char& c : out) {
    if (c == '.') c = decimal_point;
  }
  return out;
}

// A page's text that a spreadsheet would run as a formula ("=HYPERLINK(…)",
// "+1+1", "@SUM(…)", "-1+1") gets a leading apostrophe, which keeps it text.
std::string InertText(std::string_view text) {
  const bool formula_like =
      !text.empty() && (std::string_view("=+@\t\r").find(text.front()) != std::string_view::npos ||
                        (text.front() == '-' && text.size() > 1));
  return formula_like ? "'" + std::string(text) : std::string(text);
}

// A number as the page wrote it, with the style's decimal point; other texts
// as they are, kept inert.
std::string PageNumber(std::string_view text, char decimal_point) {
  if (!ReadDecimal(text)) return InertText(text);
  std::string out(text);
  for (char& c : out) {
    if (c == '.' || c == ',') c = decimal_point;
  }
  return out;
}

// A day every spreadsheet reads as a date, whatever its locale.
std::string CsvDate(std::string_view shown, std::string_view date_format) {
  const auto date = ParseDate(shown, date_format);
  return date ? IsoDate(*date) : InertText(shown);
}

std::vector<std::string> Record(const CsvMatchRow& entry, char decimal_point,
                                std::string_view date_format) {
  const MatchRow& row = *entry.row;
  std::vector<std::string> record = {InertText(row.championship),
                                     CsvDate(row.date, date_format),
                                     InertText(row.time),
                                     InertText(row.home),
                                     InertText(row.away),
                                     PageNumber(row.total, decimal_point),
                                     PageNumber(row.under, decimal_point),
                                     PageNumber(row.over, decimal_point),
                                     FormatGeneral(row.step1, decimal_point),
                                     FormatGeneral(row.step2, decimal_point),
                                     entry.stats_read ? "1" : "0"};
  for (std::string& field : record) field = Cp1251ToUtf8(field);
  record.resize(kColumns);
  if (const auto& model = row.goals_model) {
    const auto percent = [decimal_point](double share, int decimals) {
      return Fixed(share * 100, decimals, decimal_point);
    };
    record[11] = Fixed(model->total_goals, 2, decimal_point);
    record[12] = percent(model->over.win, 1);
    record[13] = percent(model->under.win, 1);
    record[14] = percent(model->over.fair, 1);
    record[15] = percent(model->under.fair, 1);
    record[16] = percent(model->margin, 2);
    record[17] = percent(model->over.edge, 1);
    record[18] = percent(model->under.edge, 1);
  }
  record[19] = PageNumber(entry.first_under, decimal_point);
  record[20] = PageNumber(entry.first_over, decimal_point);
  return record;
}

}  // namespace

std::string MatchTableCsv(const std::vector<CsvMatchRow>& rows, Language language,
                          char decimal_separator, std::string_view date_format) {
  const CsvStyle style = CsvStyleFor(decimal_separator);
  const auto& header = language == Language::kRussian ? kRussianHeader : kEnglishHeader;
  std::vector<std::vector<std::string>> records;
  records.reserve(rows.size() + 1);
  records.emplace_back();
  for (std::string_view title : header) records.back().push_back(Cp1251ToUtf8(title));
  for (const CsvMatchRow& entry : rows)
    records.push_back(Record(entry, style.decimal_point, date_format));
  return CsvText(records, style.separator);
}

}  // namespace kavero
