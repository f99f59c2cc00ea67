#include "line/line_parser.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

#include "line/cp1251_literal.h"
#include "line/text.h"

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

constexpr int kCellCount = 18;

using Cells = std::array<std::string_view, kCellCount>;

// A byte loop: the markers are a few bytes long, shorter than a library call.
bool StartsWith(std::string_view text, std::size_t at, std::string_view marker) {
  if (text.size() - at < marker.size()) return false;
  for (std::size_t i = 0; i < marker.size(); ++i) {
    if (text[at + i] != marker[i]) return false;
  }
  return true;
}

// Offset of the first occurrence of marker at or after `from`, npos when none.
// In HTML the first byte of most markers, "<", comes every few bytes, so a
// first-byte search stops all the time; testing three bytes of the marker at
// 16 positions at once lets whole blocks go by.
std::size_t FindMarker(std::string_view text, std::string_view marker, std::size_t from = 0) {
  using Block = unsigned char __attribute__((vector_size(16)));
  constexpr std::size_t kWidth = sizeof(Block);
  if (marker.empty() || text.size() < marker.size()) return std::string_view::npos;
  const std::size_t last = text.size() - marker.size();  // the last possible start
  const std::size_t middle = marker.size() / 2;
  const std::size_t end = marker.size() - 1;
  const auto splat = [](char byte) {
    Block block;
    for (std::size_t i = 0; i < kWidth; ++i) block[i] = static_cast<unsigned char>(byte);
    return block;
  };
  const Block first_bytes = splat(marker[0]);
  const Block middle_bytes = splat(marker[middle]);
  const Block end_bytes = splat(marker[end]);
  const auto load = [&text](std::size_t at) {
    Block block;
    std::memcpy(&block, text.data() + at, kWidth);
    return block;
  };
  for (; from + kWidth - 1 <= last; from += kWidth) {
    const Block candidates = (load(from) == first_bytes) & (load(from + middle) == middle_bytes) &
                             (load(from + end) == end_bytes);
    std::uint64_t halves[2];
    std::memcpy(halves, &candidates, kWidth);
    if ((halves[0] | halves[1]) == 0) continue;
    for (std::size_t i = 0; i < kWidth; ++i) {
      if (candidates[i] != 0 && StartsWith(text, from + i, marker)) return from + i;
    }
  }
  for (; from <= last; ++from) {
    if (StartsWith(text, from, marker)) return from;
  }
  return std::string_view::npos;
}

bool Holds(std::string_view text, std::string_view marker) {
  return TextPos(marker, text) != 0;
}

// A field line is one line of text: a line break (or a NUL, which ends a
// text of lines) inside a cell would split the match into two records.
void AppendField(std::string& line, std::string_view field) {
  const auto from = line.size();
  line += field;
  for (auto i = from; i < line.size(); ++i) {
    if (line[i] == '\r' || line[i] == '\n' || line[i] == '\0') line[i] = ' ';
  }
  line += ">>";
}

void AppendMatch(std::string& out, std::string_view date, const Cells& cells,
                 std::string_view championship) {
  AppendField(out, date);
  AppendField(out, CellText(cells[0]));
  AppendField(out, CellText(cells[1]));
  AppendField(out, CellText(cells[4]));
  AppendField(out, CellText(cells[2]));
  AppendField(out, CellText(cells[3]));
  AppendField(out, CellText(cells[3]));
  for (int cell = 5; cell <= 12; ++cell) AppendField(out, CellText(cells[cell]));
  AppendField(out, LinkTarget(cells[17]));
  AppendField(out, Trim(CellText(cells[13])));
  AppendField(out, CellText(cells[14]));
  AppendField(out, CellText(cells[15]));
  AppendField(out, championship);
  out += "\r\n";
}

}  // namespace

std::int64_t SuffixScanner::Pos(std::string_view marker) {
  const auto at = Find(marker);
  return at == std::string_view::npos ? 0 : static_cast<std::int64_t>(at - start_) + 1;
}

std::string_view SuffixScanner::Before(std::string_view marker) {
  const auto at = Find(marker);
  return at == std::string_view::npos ? std::string_view{} : text_.substr(start_, at - start_);
}

void SuffixScanner::SkipAfter(std::string_view marker, std::size_t skip) {
  const auto at = Find(marker);
  // A missing marker counts as position 0: the rest then starts at `skip`.
  const auto offset =
      at == std::string_view::npos ? (skip == 0 ? 0 : skip - 1) : at - start_ + skip;
  start_ = offset >= text_.size() - start_ ? text_.size() : start_ + offset;
}

void SuffixScanner::SkipTo(std::string_view marker) {
  const auto at = Find(marker);
  if (at != std::string_view::npos) start_ = at;
}

std::size_t SuffixScanner::Find(std::string_view marker) {
  for (std::size_t i = 0; i < found_count_; ++i) {
    auto& found = found_[i];
    if (found.marker.data() != marker.data() && found.marker != marker) continue;
    if (found.at != std::string_view::npos && found.at < start_) {
      found.at = FindMarker(text_, marker, start_);
    }
    return found.at;
  }
  const auto at = FindMarker(text_, marker, start_);
  if (found_count_ < found_.size()) found_[found_count_++] = {marker, at};
  return at;
}

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
  SuffixScanner table(section);
  const auto text = TextAfter(table.Before("</table"), "</tr", 4);
  std::string out;
  std::string_view date;
  SuffixScanner scan(text);
  while (scan.Holds("<tr")) {
    scan.SkipAfter("<tr", 3);
    SuffixScanner row(scan.Before("</tr"));
    scan.SkipAfter("</tr", 4);

    Cells cells;
    for (int i = 0; i < kCellCount; ++i) {
      row.SkipAfter("<td", 4);
      cells[i] = row.Before("</td");
      row.SkipAfter("</td", 4);
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
