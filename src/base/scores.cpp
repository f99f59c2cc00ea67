#include "base/scores.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "base/text_cuts.h"

namespace kavero {

int DigitsToInt(std::string_view text) {
  if (text.empty()) return -1;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<std::int32_t>::max()) return -1;
  }
  return static_cast<int>(value);
}

namespace {

// An optionally signed decimal integer that fits 32 bits; -1 for any other text.
std::int64_t SignedValue(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty() || text.front() < '0' || text.front() > '9') return -1;
  std::int32_t value = 0;
  // The sign goes with the digits: "-2147483648" fits, its magnitude alone does not.
  const char* first = negative ? text.data() - 1 : text.data();
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return -1;
  return value;
}

// Numbers of a "h:a" text: the one before ":" and the one after it.
std::pair<int, int> ScoreNumbers(std::string_view text) {
  if (text.empty()) return {0, 0};
  const auto colon = TextPos(":", text);
  return {DigitsToInt(TextSlice(text, 1, colon - 1)),
          DigitsToInt(TextSlice(text, colon + 1, static_cast<std::int64_t>(text.size())))};
}

}  // namespace

int ScorePart(std::string_view score, int part) {
  const auto bracket = TextPos("(", score);
  const auto main = Trim(TextBefore(score, "("));
  auto inner = Trim(TextSlice(score, bracket + 1, static_cast<std::int64_t>(score.size())));
  if (!inner.empty()) inner = TextBefore(inner, ")");
  // clang-format off
  switch (part) {
    case 1: return ScoreNumbers(main).first;
    case 2: return ScoreNumbers(main).second;
    case 3: return ScoreNumbers(inner).first;
    case 4: return ScoreNumbers(inner).second;
    default: return 0;
  }
  // clang-format on
}

int GoalTotal(std::string_view score) {
  score = Trim(score);
  const auto colon = TextPos(":", score);
  const auto total =
      SignedValue(Trim(TextSlice(score, 1, colon - 1))) +
      SignedValue(Trim(TextSlice(score, colon + 1, static_cast<std::int64_t>(score.size()))));
  // Two sides each within range can still add up beyond it: not a score either.
  if (total > std::numeric_limits<int>::max() || total < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(total);
}

std::optional<double> ReadDecimal(std::string_view text) {
  std::string number(Trim(text));
  if (const std::size_t comma = number.find(','); comma != std::string::npos) number[comma] = '.';
  double value = 0;
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, value);
  if (number.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace kavero
