#pragma once
// Time to failure and peak memory of one exchange with a hostile server,
// printed so a run's figures can be read off the test log.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace kavero::testing::hostile {

// The body cap is 64 MiB; a body grown up to it passes through a few buffers
// (and the address sanitizer keeps freed ones a while).
inline constexpr double kPeakBoundMib = 4 * 64;

inline double Seconds(std::chrono::duration<double> duration) {
  return duration.count();
}

// How long exchanges that time-outs end may take, `ends_within` on an idle
// machine: with every core busy the scheduler may hold the test's threads for
// seconds. Generous on purpose; it still catches an exchange that outlives its
// time-out by far (a default one of 15 or 30 s, or none at all).
inline double TimeBound(std::chrono::duration<double> ends_within) {
  return 2 * Seconds(ends_within) + 5;
}

// Work that no time-out ends, only its size: a few seconds on an idle machine.
// A bound many times that holds on a loaded machine and still tells work that
// grows with the size from work that grows with its square (hours here).
inline constexpr double kSizeBoundSeconds = 60;

struct Measured {
  double seconds = 0;
  double peak_growth_mib = 0;  // peak resident memory over what was resident before
};

// The process's resident and peak resident memory, in KiB, from /proc.
inline long StatusKib(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
  }
  return 0;
}

template <typename Action>
Measured Measure(const std::string& name, Action&& action) {
  // Brings the peak back to what is resident now, so each case has its own peak.
  std::ofstream("/proc/self/clear_refs") << "5";
  const long resident_before = StatusKib("VmRSS");
  const auto start = std::chrono::steady_clock::now();
  action();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  const Measured measured{took.count(), (StatusKib("VmHWM") - resident_before) / 1024.0};
  std::printf("[hostile] %-44s %6.2f s  peak +%7.1f MiB\n", name.c_str(), measured.seconds,
              measured.peak_growth_mib);
  return measured;
}

}  // namespace kavero::testing::hostile
