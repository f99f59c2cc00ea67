#pragma once
// Tables as CSV text that spreadsheets open in the user's locale.
#include <string>
#include <string_view>
#include <vector>

namespace kavero {

struct CsvStyle {
  char separator;
  char decimal_point;
};

// ";" between fields and "," in numbers where the user writes decimals with a
// comma (a spreadsheet there takes "," as the decimal point); "," and "." otherwise.
CsvStyle CsvStyleFor(char decimal_separator);

// UTF-8 fields as CSV: a byte-order mark, then each record followed by CR LF;
// a field holding the separator, a quote, CR or LF is quoted, its quotes doubled.
std::string CsvText(const std::vector<std::vector<std::string>>& records, char separator);

}  // namespace kavero
