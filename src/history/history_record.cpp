#include <sqlite3.h>

#include <array>

#include "base/scores.h"
#include "history/day_text.h"
#include "history/history_store.h"

namespace kavero::history {
namespace {

struct Sighting {
  std::string stamp, total, under, over;
  std::optional<double> step1, chance_under, chance_over, fair_under, fair_over;
  int marks = 0;
};

constexpr std::array<std::pair<Mark, OddsSide>, 6> kMarkSides = {{{kStep1Green, OddsSide::kOver},
                                                                  {kStep1Red, OddsSide::kUnder},
                                                                  {kStep2Green, OddsSide::kOver},
                                                                  {kStep2Red, OddsSide::kUnder},
                                                                  {kValueUnder, OddsSide::kUnder},
                                                                  {kValueOver, OddsSide::kOver}}};

std::optional<PriceSeen> Price(const Sighting& seen, OddsSide side) {
  const auto line = ReadDecimal(seen.total);
  const auto price = ReadDecimal(side == OddsSide::kUnder ? seen.under : seen.over);
  if (!line || !price) return std::nullopt;
  return PriceSeen{seen.stamp, *line, *price};
}

// The marks the match carried when last assessed before kick-off: the step
// marks of the last sighting with steps read, the value marks of the last with
// a goals model (a run that read no statistics takes no mark away).
int MarksBeforeKickOff(const std::vector<Sighting>& seen) {
  int marks = 0;
  bool steps = false, value = false;
  for (auto it = seen.rbegin(); it != seen.rend(); ++it) {
    if (!steps && it->step1) {
      marks |= it->marks & kStepMarks;
      steps = true;
    }
    if (!value && it->chance_over) {
      marks |= it->marks & kValueMarks;
      value = true;
    }
  }
  return marks;
}

const Sighting* LastWithModel(const std::vector<Sighting>& seen) {
  for (auto it = seen.rbegin(); it != seen.rend(); ++it) {
    if (it->chance_over) return &*it;
  }
  return nullptr;
}

}  // namespace

std::vector<MarkedBet> HistoryStore::MarkedBets(std::optional<int> last_days, const Date& today) {
  std::vector<MarkedBet> bets;
  if (!db_.IsOpen()) return bets;
  try {
    // Settled: exactly one score recorded, no conflict.
    Statement matches(db_.handle(),
                      "SELECT m.id, m.day, m.kickoff, m.championship, th.line_name, ta.line_name, "
                      "r.home_goals, r.away_goals FROM matches m "
                      "JOIN teams th ON th.id = m.home JOIN teams ta ON ta.id = m.away "
                      "JOIN results r ON r.match = m.id WHERE m.day BETWEEN ?1 AND ?2 "
                      "GROUP BY m.id HAVING COUNT(*) = 1 ORDER BY m.day, m.kickoff, m.id");
    matches.BindText(1, last_days ? DayKey(DaysBefore(today, *last_days)) : std::string("0000"));
    matches.BindText(2, DayKey(today));
    Statement sightings(db_.handle(),
                        "SELECT r.local_stamp, total, under, over, step1, chance_under, "
                        "chance_over, fair_under, fair_over, marks FROM sightings s "
                        "JOIN runs r ON r.id = s.first_run WHERE s.match = ?1 "
                        "AND r.local_stamp < ?2 ORDER BY s.id");
    while (matches.Step() == SQLITE_ROW) {
      MarkedBet bet;
      bet.day = matches.Bytes(1);
      bet.kickoff = matches.Bytes(2);
      bet.championship = matches.Bytes(3);
      bet.home = matches.Bytes(4);
      bet.away = matches.Bytes(5);
      bet.home_goals = static_cast<int>(matches.Int(6));
      bet.away_goals = static_cast<int>(matches.Int(7));
      std::vector<Sighting> seen;
      sightings.Bind(1, matches.Int(0)).BindText(2, bet.day + " " + bet.kickoff);
      while (sightings.Step() == SQLITE_ROW) {
        seen.push_back({sightings.Bytes(0), sightings.Bytes(1), sightings.Bytes(2),
                        sightings.Bytes(3), sightings.Real(4), sightings.Real(5), sightings.Real(6),
                        sightings.Real(7), sightings.Real(8), static_cast<int>(sightings.Int(9))});
      }
      sightings.Reset();
      if (seen.empty()) continue;
      const int marks = MarksBeforeKickOff(seen);
      const Sighting* model = LastWithModel(seen);
      for (const auto& [mark, side] : kMarkSides) {
        if ((marks & mark) == 0) continue;
        const auto first = Price(seen.front(), side);
        const auto last = Price(seen.back(), side);
        if (!first || !last) continue;  // no price that could have been taken
        bet.mark = mark;
        bet.side = side;
        bet.first = *first;
        bet.last = *last;
        if (model) {
          const bool under = side == OddsSide::kUnder;
          bet.fair_chance = under ? model->fair_under : model->fair_over;
          bet.model_chance = under ? model->chance_under : model->chance_over;
        }
        bets.push_back(bet);
      }
    }
  } catch (...) {
    bets.clear();
  }
  return bets;
}

}  // namespace kavero::history
