#pragma once
// Numbers as the saved file and the match tables show them.
#include <string>

namespace kavero {

// At most 15 significant digits, trailing zeros dropped, `decimal_separator`
// only before a fraction, no thousands separator; scientific ("1E-6",
// "1.5E20") below 0.00001 in magnitude or with more than 15 integer digits.
// Zero is "0"; the values that are not numbers are "NAN", "INF" and "-INF".
std::string FormatGeneral(double value, char decimal_separator);

}  // namespace kavero
