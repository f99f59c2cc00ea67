#pragma once
// How a match's line moved since it was first seen today.
#include <string>
#include <string_view>

#include "base/language.h"

namespace kavero::history {

struct LineSighting {
  std::string clock;  // "hh:mm" of the run that saw it
  std::string total, under, over;
  friend bool operator==(const LineSighting&, const LineSighting&) = default;
};

struct LineMovement {
  LineSighting first;  // first seen today
  LineSighting now;    // the latest run's
  bool Moved() const {
    return first.total != now.total || first.under != now.under || first.over != now.over;
  }
};

enum class OddsSide { kUnder, kOver };

// "1.95 at 10:02 → 1.80 now, −7.7 %" for one odds cell ("" when that side did
// not move), the totals added when they differ. The arrow and the minus sign
// have no Windows-1251 code, so this text alone is UTF-8, made for the window
// to show as it stands; the prices inside are ASCII either way.
std::string MovementHint(const LineMovement& movement, OddsSide side, Language language,
                         char decimal_separator);

}  // namespace kavero::history
