#include "backtest/csv_fields.h"

#include <algorithm>

#include "base/text_cuts.h"

namespace kavero {

std::vector<std::string> SplitCsvLine(std::string_view line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c != '"') {
        fields.back() += c;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

bool IsBlankRow(const std::vector<std::string>& fields) {
  return std::all_of(fields.begin(), fields.end(),
                     [](const std::string& field) { return Trim(field).empty(); });
}

CsvHeader::CsvHeader(const std::vector<std::string>& names) {
  for (std::size_t i = 0; i < names.size(); ++i) columns_.emplace(Trim(names[i]), i);
}

std::optional<std::size_t> CsvHeader::Find(std::string_view name) const {
  const auto found = columns_.find(std::string(name));
  if (found == columns_.end()) return std::nullopt;
  return found->second;
}

std::optional<std::size_t> CsvHeader::FindAny(std::initializer_list<std::string_view> names) const {
  for (const auto name : names) {
    if (const auto column = Find(name)) return column;
  }
  return std::nullopt;
}

}  // namespace kavero
