#pragma once
// One CSV row per evaluated match: what the window would have shown and what happened.
#include <string>

#include "backtest/replay.h"

namespace kavero {

// UTF-8 with a byte-order mark, "," between fields, "." in numbers, CRLF.
std::string MatchesCsv(const Replay& replay);

}  // namespace kavero
