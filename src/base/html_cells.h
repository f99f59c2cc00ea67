#pragma once
// The text of one cell of an HTML table row, as the page readers cut it.
#include <string_view>

namespace kavero {

// The cell's text between its tags; "&nbsp;" reads as "0".
std::string_view CellText(std::string_view fragment);
// The address of the cell's link, or the trimmed cell when it has none.
std::string_view LinkTarget(std::string_view fragment);
// The text of a cell that spans columns.
std::string_view ColspanText(std::string_view fragment);

}  // namespace kavero
