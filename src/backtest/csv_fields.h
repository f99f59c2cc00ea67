#pragma once
// The fields of one line of a comma-separated file, and a header's columns by name.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kavero {

// Splits at commas; a field in double quotes keeps its commas and reads a
// doubled quote as one. Fields are not trimmed.
std::vector<std::string> SplitCsvLine(std::string_view line);

// True when every field is empty or blank, as the rows of commas that close some files.
bool IsBlankRow(const std::vector<std::string>& fields);

// The columns of a header row by their trimmed names; the first of a repeated name counts.
class CsvHeader {
 public:
  explicit CsvHeader(const std::vector<std::string>& names);
  std::optional<std::size_t> Find(std::string_view name) const;
  // The first of the names that the header holds.
  std::optional<std::size_t> FindAny(std::initializer_list<std::string_view> names) const;

 private:
  std::unordered_map<std::string, std::size_t> columns_;
};

}  // namespace kavero
