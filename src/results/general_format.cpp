#include "results/general_format.h"

#include <charconv>
#include <cmath>

namespace kavero {

namespace {

constexpr int kSignificantDigits = 15;

struct Decimal {
  std::string digits;  // no trailing zeros, at least one digit
  int exponent = 0;    // value = d.ddd x 10^exponent
};

// Rounded to the significant digits; to_chars keeps the result independent of the C locale.
Decimal ToDecimal(double magnitude) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof(buffer), magnitude,
                                 std::chars_format::scientific, kSignificantDigits - 1)
                       .ptr;
  const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  const auto e = text.find('e');
  Decimal decimal;
  decimal.digits = text.substr(0, 1);
  if (e > 2) decimal.digits += text.substr(2, e - 2);
  decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
  if (decimal.digits.empty()) decimal.digits = "0";
  auto exponent_text = text.substr(e + 1);
  if (exponent_text.front() == '+') exponent_text.remove_prefix(1);
  std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(),
                  decimal.exponent);
  return decimal;
}

}  // namespace

std::string FormatGeneral(double value, char decimal_separator) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";

  const Decimal decimal = ToDecimal(std::fabs(value));
  const std::string& digits = decimal.digits;
  const int exponent = decimal.exponent;
  const auto digit_count = static_cast<int>(digits.size());
  std::string text = value < 0 ? "-" : "";

  if (exponent >= kSignificantDigits || exponent < -5) {
    text += digits.front();
    if (digit_count > 1) {
      text += decimal_separator;
      text.append(digits, 1);
    }
    text += 'E';
    text += std::to_string(exponent);
  } else if (exponent >= 0) {
    const int integer_digits = exponent + 1;
    if (digit_count <= integer_digits) {
      text += digits;
      text.append(static_cast<std::size_t>(integer_digits - digit_count), '0');
    } else {
      text.append(digits, 0, static_cast<std::size_t>(integer_digits));
      text += decimal_separator;
      text.append(digits, static_cast<std::size_t>(integer_digits));
    }
  } else {
    text += '0';
    text += decimal_separator;
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    text += digits;
  }
  return text;
}

}  // namespace kavero
