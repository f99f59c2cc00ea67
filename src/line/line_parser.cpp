#include "line/line_parser.h"

#include <array>
#include <utility>

#include "base/cp1251_literal.h"
#include "base/field_line.h"
#include "base/html_cells.h"
#include "base/scan_window.h"
#include "base/text_cuts.h"

namespace kavero {

using namespace kavero::literals;

namespace {

// Spellings of the markers the rows are tested for, brought to one form in
// this order (the row end "</tr" is deliberately left as it is).
constexpr std::array<std::pair<std::string_view, std::string_view>, 14> kCaseVariants{{
    {"<TR", "<tr"},
    {"<Tr", "<tr"},
    {"<TD", "<td"},
    {"<Td", "<td"},
    {"</TD", "</td"},
    {"</Td", "</td"},
    {"COLSPAN", "colspan"},
    {"Colspan", "colspan"},
    {"ХОЗЯЕВА"_w1251, "хозяева"_w1251},
    {"Хозяева"_w1251, "хозяева"_w1251},
    {"УГЛ "_w1251, "угл "_w1251},
    {"Угл "_w1251, "угл "_w1251},
    {"ВРЕМЯ"_w1251, "время"_w1251},
    {"Время"_w1251, "время"_w1251},
}};

constexpr std::size_t kCellCount = 18;

using Cells = std::array<std::string_view, kCellCount>;

bool Holds(std::string_view text, std::string_view marker) {
  return TextPos(marker, text) != 0;
}

// A match is one line of text: a line break (or a NUL, which ends a text of
// lines) inside a cell would split it into two records.
void AppendCell(std::string& line, std::string_view cell) {
  const auto from = line.size();
  AppendField(line, cell);
  for (auto i = from; i + 2 < line.size(); ++i) {
    if (line[i] == '\r' || line[i] == '\n' || line[i] == '\0') line[i] = ' ';
  }
}

void AppendMatch(std::string& out, std::string_view date, const Cells& cells,
                 std::string_view championship) {
  AppendCell(out, date);
  AppendCell(out, CellText(cells[0]));
  AppendCell(out, CellText(cells[1]));
  AppendCell(out, CellText(cells[4]));
  AppendCell(out, CellText(cells[2]));
  AppendCell(out, CellText(cells[3]));
  AppendCell(out, CellText(cells[3]));
  for (std::size_t cell = 5; cell <= 12; ++cell) AppendCell(out, CellText(cells[cell]));
  AppendCell(out, LinkTarget(cells[17]));
  AppendCell(out, Trim(CellText(cells[13])));
  AppendCell(out, CellText(cells[14]));
  AppendCell(out, CellText(cells[15]));
  AppendCell(out, championship);
  out += "\r\n";
}

}  // namespace

std::string UnifyCase(std::string_view text) {
  // What ReplaceAll would give, written in place: a form has its spelling's
  // length and no capital letter, so writing it never makes a new occurrence
  // of any spelling and every search can go on after the one just replaced.
  std::string unified(text);
  for (const auto& [variant, form] : kCaseVariants) {
    for (auto at = FindMarker(unified, variant); at != std::string_view::npos;
         at = FindMarker(unified, variant, at + variant.size())) {
      unified.replace(at, form.size(), form);
    }
  }
  return unified;
}

std::string ParseLineTable(std::string_view section, std::string_view championship) {
  return ParseUnifiedTable(UnifyCase(section), championship);
}

std::string ParseUnifiedTable(std::string_view section, std::string_view championship) {
  // The first row is dropped unread. Only a lower-case "</tr" ends it: no
  // spelling of another marker is unified into "</tr".
  MarkerIndex index(section);
  auto scan = ScanWindow(index).Before("</table").After("</tr", 4);
  std::string out;
  std::string_view date;
  while (scan.Contains("<tr")) {
    scan = scan.After("<tr", 3);
    const auto row_end = scan.Pos("</tr");
    auto row = scan.Before(row_end);
    scan = scan.From(row_end + 4);

    Cells cells;
    for (std::size_t i = 0; i < kCellCount; ++i) {
      row = row.After("<td", 4);
      const auto cell_end = row.Pos("</td");
      cells[i] = row.Before(cell_end).view();
      row = row.From(cell_end + 4);
      if (i == 0 && Holds(cells[0], "colspan")) break;
    }
    if (Holds(cells[0], "colspan")) {
      // A date row; one without "." is a sub-heading that keeps the date.
      const auto colspan_text = ColspanText(cells[0]);
      if (Holds(colspan_text, ".")) date = colspan_text;
      continue;
    }

    const auto home = CellText(cells[1]);
    if (Holds(home, "хозяева"_w1251) || Holds(CellText(cells[4]), "хозяева"_w1251) ||
        Holds(home, "угл "_w1251)) {
      return {};  // a heading table of another kind: none of its rows is a match
    }
    if (CellText(cells[0]) == "время"_w1251) continue;
    AppendMatch(out, date, cells, championship);
  }
  return out;
}

}  // namespace kavero
