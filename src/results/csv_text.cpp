#include "results/csv_text.h"

namespace kavero {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void AppendField(std::string& out, std::string_view field, char separator) {
  const bool quoted =
      field.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string_view::npos;
  if (!quoted) {
    out += field;
    return;
  }
  out += '"';
  for (char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

CsvStyle CsvStyleFor(char decimal_separator) {
  return decimal_separator == ',' ? CsvStyle{';', ','} : CsvStyle{',', '.'};
}

std::string CsvText(const std::vector<std::vector<std::string>>& records, char separator) {
  std::string out(kByteOrderMark);
  for (const auto& record : records) {
    for (std::size_t i = 0; i < record.size(); ++i) {
      if (i > 0) out += separator;
      AppendField(out, record[i], separator);
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace kavero
