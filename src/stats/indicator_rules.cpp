#include "stats/indicator_rules.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "base/text_cuts.h"

namespace kavero {
namespace {

// Rounds at the digit of 10^-decimals, or at a higher one when that would keep
// more than `significant` digits; halves away from zero, judged on the exact
// decimal expansion of the double.
double RoundDecimal(double value, int significant, int decimals) {
  if (value == 0) return 0.0;  // a negative zero would show as "-0.00"
  if (!std::isfinite(value)) return value;
  // Every double's exact expansion has fewer than 770 significant digits, so
  // this prints it without any rounding.
  std::array<char, 800> text{};
  const auto printed = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                     std::chars_format::scientific, 770);
  // "d.ddd...e+XX": the leading digit, the point, 770 digits, the exponent.
  const char* exponent_text = text.data() + 2 + 770 + 1;
  if (*exponent_text == '+') ++exponent_text;
  int exponent = 0;
  std::from_chars(exponent_text, printed.ptr, exponent);

  const int kept = std::min(significant, exponent + 1 + decimals);
  if (kept < 0) return 0.0;
  auto digit = [&](int i) { return text[i == 0 ? 0 : static_cast<std::size_t>(i) + 1] - '0'; };
  std::uint64_t mantissa = 0;
  for (int i = 0; i < kept; ++i) mantissa = mantissa * 10 + static_cast<std::uint64_t>(digit(i));
  if (digit(kept) >= 5) ++mantissa;
  if (mantissa == 0) return 0.0;

  // mantissa * 10^(exponent - kept + 1), read back as the nearest double.
  const auto rounded = std::to_string(mantissa) + "e" + std::to_string(exponent - kept + 1);
  double result = 0;
  std::from_chars(rounded.data(), rounded.data() + rounded.size(), result);
  return std::copysign(result, value);
}

void MarkCell(CellColour& colour, double value, double red_up_to, double green_from) {
  if (value <= red_up_to) colour = CellColour::kRed;
  if (value >= green_from) colour = CellColour::kGreen;
}

}  // namespace

double RoundToLabel(double value) {
  return RoundDecimal(value, 3, 2);
}

std::string FormatClickLabel(double value, char decimal_separator) {
  std::array<char, 400> text{};
  const auto printed = std::to_chars(text.data(), text.data() + text.size(), RoundToLabel(value),
                                     std::chars_format::fixed, 2);
  std::string label(text.data(), printed.ptr);
  for (char& c : label) {
    if (c == '.') c = decimal_separator;
  }
  return label;
}

double RoundTwoDecimals(double value) {
  return RoundDecimal(value, 10, 2);
}

void ApplyStepColours(MatchRow& row, double step1, double step2) {
  MarkCell(row.step1_colour, step1, kStep1RedUpTo, kStep1GreenFrom);
  MarkCell(row.step2_colour, step2, kStep2RedUpTo, kStep2GreenFrom);
}

void TranslateHistory(MatchStats& stats,
                      const std::function<std::string(std::string_view)>& translate_team) {
  constexpr std::string_view kSeparator = " - ";
  for (auto* table : {&stats.home_recent, &stats.away_recent, &stats.meetings}) {
    for (auto& row : *table) {
      const std::string_view text = row.match;
      const auto home = TextBefore(text, kSeparator);
      const auto away =
          TextSlice(text, TextPos(kSeparator, text) + 3, static_cast<std::int64_t>(text.size()));
      row.match = translate_team(home) + std::string(kSeparator) + translate_team(away);
    }
  }
}

}  // namespace kavero
