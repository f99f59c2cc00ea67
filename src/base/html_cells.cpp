#include "base/html_cells.h"

#include "base/text_cuts.h"

namespace kavero {

std::string_view CellText(std::string_view fragment) {
  if (fragment == "&nbsp;") return "0";
  auto text = Trim(fragment);
  if (TextPos(">", text) != 0) text = TextAfter(text, ">", 1);
  if (TextPos("<", text) != 0) text = TextBefore(text, "<");
  return text;
}

std::string_view LinkTarget(std::string_view fragment) {
  constexpr std::string_view kMarker = "a href=\"";
  auto text = Trim(fragment);
  if (TextPos(kMarker, text) == 0) return text;
  return TextBefore(TextAfter(text, kMarker, 8), "\"");
}

std::string_view ColspanText(std::string_view fragment) {
  auto text = TextSlice(fragment, TextPos("colspan", fragment) + 1,
                        static_cast<std::int64_t>(fragment.size()));
  text = TextAfter(text, ">", 1);
  if (TextPos("<", text) != 0) text = TextBefore(text, "<");
  return text;
}

}  // namespace kavero
