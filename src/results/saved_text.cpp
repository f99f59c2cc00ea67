#include "results/saved_text.h"

#include "base/field_line.h"
#include "results/general_format.h"

namespace kavero {

std::string SavedText(const MatchTable& table, char decimal_separator) {
  std::string text;
  const auto add_field = [&text](std::string_view field) { AppendField(text, field); };
  for (const auto& row : table) {
    for (int column = 1; column <= 8; ++column) add_field(*TextCell(row, column));
    add_field(FormatGeneral(row.step1, decimal_separator));
    add_field(FormatGeneral(row.step2, decimal_separator));
    add_field(row.championship);
    text += "\r\n";
  }
  return text;
}

}  // namespace kavero
