#include "backtest/price_choice.h"

#include <algorithm>
#include <cctype>

namespace kavero {
namespace {

PriceColumns Columns(std::string_view prefix) {
  const std::string start(prefix);
  return {start + ">2.5", start + "<2.5"};
}

bool IsPrefix(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
  });
}

}  // namespace

std::optional<PriceChoice> ChoosePrices(std::string_view name) {
  const std::string label(name);
  if (name == "average") return PriceChoice{label, {Columns("Avg"), Columns("BbAv")}};
  if (name == "closing") return PriceChoice{label, {Columns("AvgC")}};
  if (name == "best") return PriceChoice{label, {Columns("Max"), Columns("BbMx")}};
  if (!IsPrefix(name)) return std::nullopt;
  PriceChoice choice{label, {Columns(name)}};
  // Pinnacle's match prices are "PSH", "PSCH"; its totals drop the "S".
  if (name.starts_with("PS")) choice.candidates.push_back(Columns("P" + label.substr(2)));
  return choice;
}

}  // namespace kavero
