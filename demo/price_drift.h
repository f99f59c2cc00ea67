#pragma once
// How a match's total and its prices move while it is offered.
#include <cstdint>

#include "world.h"

namespace kavero::demo {

// The fixture's prices `days` whole days and `hour` hours after it was first
// offered: the bookmaker's view of the goals wanders a step each morning and
// a little each hour, and the total and its two prices follow; the other
// prices stay as first offered.
MatchOdds DriftedOdds(const World& world, const Fixture& fixture, std::uint64_t seed, int days,
                      int hour);

}  // namespace kavero::demo
