#include "base/match_table.h"

namespace kavero {

std::string_view BookmakerHome(const MatchRow& row) {
  return row.bookmaker_home.empty() ? row.home : row.bookmaker_home;
}

std::string_view BookmakerAway(const MatchRow& row) {
  return row.bookmaker_away.empty() ? row.away : row.bookmaker_away;
}

const std::string* TextCell(const MatchRow& row, int column) {
  // clang-format off
  switch (column) {
    case 1: return &row.date;
    case 2: return &row.time;
    case 3: return &row.home;
    case 4: return &row.away;
    case 5: return &row.total;
    case 6: return &row.under;
    case 7: return &row.over;
    case 8: return &row.url;
    default: return nullptr;
  }
  // clang-format on
}

std::string* TextCell(MatchRow& row, int column) {
  return const_cast<std::string*>(TextCell(static_cast<const MatchRow&>(row), column));
}

}  // namespace kavero
