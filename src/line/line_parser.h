#pragma once
// Reading one championship table of the betting line into field lines.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kavero {

// The rest of one text, cut from the front the way TextAfter, TextFrom and
// TextBefore cut it, but remembering where each marker was last found: the
// same bytes are never searched twice, so a scanning loop stays linear even
// when a marker is missing from the rest of the page.
class SuffixScanner {
 public:
  explicit SuffixScanner(std::string_view text) : text_(text) {}

  std::string_view Rest() const { return text_.substr(start_); }
  // TextPos(marker, Rest()): 1-based, 0 when absent.
  std::int64_t Pos(std::string_view marker);
  bool Holds(std::string_view marker) { return Pos(marker) != 0; }
  // TextBefore(Rest(), marker).
  std::string_view Before(std::string_view marker);
  // Rest() becomes TextAfter(Rest(), marker, skip).
  void SkipAfter(std::string_view marker, std::size_t skip);
  // Rest() becomes TextFrom(Rest(), marker).
  void SkipTo(std::string_view marker);

 private:
  struct Found {
    std::string_view marker;
    std::size_t at;  // offset in text_, npos when absent from there on
  };
  // Offset in text_ of the first occurrence at or after start_.
  std::size_t Find(std::string_view marker);

  std::string_view text_;
  std::size_t start_ = 0;
  // Enough for every loop here; a further marker is simply searched each time.
  std::array<Found, 4> found_{};
  std::size_t found_count_ = 0;
};

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
