#pragma once
// Reading one championship table of the betting line into field lines.
#include <string>
#include <string_view>

namespace kavero {

// One field line (date, time, home, away, ..., link, total, under, over,
// championship) per match row of the section; the empty text for an abandoned
// table or a section without "</table".
std::string ParseLineTable(std::string_view section, std::string_view championship);

// Brings the upper- and mixed-case spellings of the markers that rows are
// tested for ("<TD", "Colspan", "Время", ...) to the one form the parser reads.
// Every form has its spelling's length, and no spelling begins inside "Футбол.",
// "</tr" or "</table": a page unified once reads, section by section, exactly
// as each section unified on its own.
std::string UnifyCase(std::string_view text);

// ParseLineTable of a section taken from a text already passed through UnifyCase.
std::string ParseUnifiedTable(std::string_view section, std::string_view championship);

}  // namespace kavero
