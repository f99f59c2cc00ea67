#pragma once
// A small generator with the same output on every platform, so one seed gives
// the same site everywhere (the standard distributions do not promise that).
#include <cmath>
#include <cstdint>

namespace kavero::demo {

class Random {
 public:
  // `stream` separates independent sequences drawn from one seed.
  Random(std::uint64_t seed, std::uint64_t stream) : state_(seed ^ (stream * kGolden)) { Next(); }

  std::uint64_t Next() {
    std::uint64_t z = (state_ += kGolden);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  double Between(double low, double high) { return low + (high - low) * Unit(); }
  // Uniform in [0, count).
  int Below(int count) { return static_cast<int>(Unit() * count); }
  bool Chance(double probability) { return Unit() < probability; }
  int Poisson(double mean) {
    const double limit = std::exp(-mean);
    int count = 0;
    for (double product = Unit(); product > limit; product *= Unit()) ++count;
    return count;
  }
  int Binomial(int trials, double probability) {
    int hits = 0;
    for (int i = 0; i < trials; ++i) hits += Chance(probability) ? 1 : 0;
    return hits;
  }

 private:
  static constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;
  std::uint64_t state_;
};

}  // namespace kavero::demo
