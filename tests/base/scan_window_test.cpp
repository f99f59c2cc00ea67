#include "base/scan_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "base/cp1251_literal.h"
#include "base/text_cuts.h"

namespace kavero {
namespace {

using namespace kavero::literals;

constexpr auto npos = std::string_view::npos;

TEST(FindMarker, FindsTheFirstOccurrenceFromTheGivenOffset) {
  constexpr auto cyrillic = "Время, время"_w1251;
  const struct {
    std::string_view text, marker;
    std::size_t from, expected;
  } cases[] = {
      {"", "a", 0, npos},
      {"abc", "", 0, npos},
      {"abc", "abcd", 0, npos},
      {"abc", "abc", 0, 0},
      {"abc", "abc", 1, npos},
      {"abc", "c", 2, 2},
      {"abc", "c", 3, npos},
      {"abc", "c", 10, npos},
      {"<td<td", "<td", 1, 3},
      {"<t<td<tdd", "<td", 0, 2},
      // First, middle and last byte in place, another one not: not a match, the search goes on.
      {"<xxxbxx></table>", "</table>", 0, 8},
      {"xxxxxxxxxxxxxxx<xxxbxx></table>", "</table>", 0, 23},
      {"<a>x<b>xyyyyyyyyyyyyyyyyyy", "<b>x", 0, 4},
      {"<<xxbbx>></table>yyyyyyyyyyyyyyyy", "</table>", 0, 9},
      {cyrillic, "время"_w1251, 0, 7},
      {cyrillic, "Время"_w1251, 1, npos},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindMarker(c.text, c.marker, c.from), c.expected)
        << c.text << " / " << c.marker << " from " << c.from;
  }
}

// The search goes through the text in blocks: an occurrence is found wherever
// it falls, across a block boundary and in the bytes after the last block.
TEST(FindMarker, FindsAnOccurrenceAtEveryOffsetOfTheBlocks) {
  for (const std::string_view marker : {"<", "<td", "</table>", "<td class=\"k\"><b>"}) {
    for (std::size_t length : {marker.size(), std::size_t{17}, std::size_t{40}, std::size_t{70}}) {
      for (std::size_t at = 0; at + marker.size() <= length; ++at) {
        std::string text(length, 't');
        text.replace(at, marker.size(), marker);
        EXPECT_EQ(FindMarker(text, marker), at) << marker << " at " << at << " of " << length;
        EXPECT_EQ(FindMarker(text, marker, at + 1), npos) << marker << " at " << at;
      }
    }
  }
}

TEST(MarkerIndex, MarkersOfTheSameAddressButOtherLengthsAreNotConfused) {
  const std::string markers = "<tr>";
  const std::string_view whole = markers;
  const std::string_view prefix = whole.substr(0, 3);
  MarkerIndex index("<tr <tr>");
  EXPECT_EQ(index.Find(prefix, 0), 0u);
  EXPECT_EQ(index.Find(whole, 0), 4u);
  EXPECT_EQ(index.Find(prefix, 1), 4u);
  EXPECT_EQ(index.Find(std::string_view("<tr>"), 1), 4u);  // the same text at another address
}

// Cutting a window: the window of "abcdef" each way of cutting gives.
TEST(ScanWindow, CutsAtTheEdgesLikeTextSlice) {
  const struct {
    const char* name;
    std::function<ScanWindow(const ScanWindow&)> cut;
    std::string_view expected;
  } cases[] = {
      {"From(-5)", [](const ScanWindow& w) { return w.From(-5); }, "abcdef"},
      {"From(0)", [](const ScanWindow& w) { return w.From(0); }, "abcdef"},
      {"From(1)", [](const ScanWindow& w) { return w.From(1); }, "abcdef"},
      {"From(6)", [](const ScanWindow& w) { return w.From(6); }, "f"},
      {"From(7)", [](const ScanWindow& w) { return w.From(7); }, ""},
      {"From(100)", [](const ScanWindow& w) { return w.From(100); }, ""},
      {"Before(-3)", [](const ScanWindow& w) { return w.Before(-3); }, ""},
      {"Before(0)", [](const ScanWindow& w) { return w.Before(0); }, ""},
      {"Before(1)", [](const ScanWindow& w) { return w.Before(1); }, ""},
      {"Before(2)", [](const ScanWindow& w) { return w.Before(2); }, "a"},
      {"Before(7)", [](const ScanWindow& w) { return w.Before(7); }, "abcdef"},
      {"Before(100)", [](const ScanWindow& w) { return w.Before(100); }, "abcdef"},
      {"After(c, 0)", [](const ScanWindow& w) { return w.After("c", 0); }, "cdef"},
      {"After(c, 1)", [](const ScanWindow& w) { return w.After("c", 1); }, "def"},
      {"After(a, 5)", [](const ScanWindow& w) { return w.After("a", 5); }, "f"},
      {"After(a, 6)", [](const ScanWindow& w) { return w.After("a", 6); }, ""},
      {"After(ef, 2)", [](const ScanWindow& w) { return w.After("ef", 2); }, ""},
      {"After(x, 0)", [](const ScanWindow& w) { return w.After("x", 0); }, "abcdef"},
      {"After(x, 3)", [](const ScanWindow& w) { return w.After("x", 3); }, "cdef"},
      {"After(, 3)", [](const ScanWindow& w) { return w.After("", 3); }, "cdef"},
      {"Before(c)", [](const ScanWindow& w) { return w.Before("c"); }, "ab"},
      {"Before(a)", [](const ScanWindow& w) { return w.Before("a"); }, ""},
      {"Before(ef)", [](const ScanWindow& w) { return w.Before("ef"); }, "abcd"},
      {"Before(x)", [](const ScanWindow& w) { return w.Before("x"); }, ""},
      {"Before()", [](const ScanWindow& w) { return w.Before(""); }, ""},
      {"From(2).Before(3)", [](const ScanWindow& w) { return w.From(2).Before(3); }, "bc"},
      {"From(3).After(f, 1)", [](const ScanWindow& w) { return w.From(3).After("f", 1); }, ""},
      {"Before(5).After(d, 1)", [](const ScanWindow& w) { return w.Before(5).After("d", 1); }, ""},
      {"Before(5).After(e, 0)", [](const ScanWindow& w) { return w.Before(5).After("e", 0); },
       "abcd"},
  };
  MarkerIndex index("abcdef");
  const ScanWindow whole(index);
  for (const auto& c : cases) {
    const auto window = c.cut(whole);
    EXPECT_EQ(window.view(), c.expected) << c.name;
    EXPECT_EQ(window.empty(), c.expected.empty()) << c.name;
  }
}

// A marker counts only where it lies wholly inside the window.
TEST(ScanWindow, FindsOnlyWhatLiesWhollyInsideTheWindow) {
  MarkerIndex index("abcdefabc");
  const ScanWindow whole(index);
  const struct {
    const char* name;
    ScanWindow window;
    std::string_view marker;
    std::int64_t expected;
  } cases[] = {
      {"whole", whole, "c", 3},
      {"whole, later part", whole, "fa", 6},
      {"whole, absent", whole, "x", 0},
      {"whole, empty marker", whole, "", 0},
      {"from 4, earlier occurrence passed", whole.From(4), "b", 5},
      {"from 4, only occurrence before", whole.From(4), "cd", 0},
      {"from 4, at the start", whole.From(4), "def", 1},
      {"first 4, straddling the end", whole.Before(5), "de", 0},
      {"first 4, ending at the end", whole.Before(5), "cd", 3},
      {"bcd", whole.From(2).Before(4), "bcd", 1},
      {"bcd, longer than the window", whole.From(2).Before(4), "bcde", 0},
      {"empty window", whole.From(10), "a", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.window.Pos(c.marker), c.expected) << c.name;
    EXPECT_EQ(c.window.Contains(c.marker), c.expected != 0) << c.name;
  }
}

TEST(ScanWindow, AnEmptyTextHoldsNothing) {
  MarkerIndex index("");
  const ScanWindow window(index);
  EXPECT_TRUE(window.empty());
  EXPECT_EQ(window.Pos("a"), 0);
  EXPECT_EQ(window.Pos(""), 0);
  EXPECT_TRUE(window.From(1).empty());
  EXPECT_TRUE(window.Before(2).empty());
  EXPECT_TRUE(window.After("a", 3).empty());
}

// What the index remembers from one search must not spoil the next, wherever
// that one starts: ahead of, inside or behind the stretch already searched.
TEST(ScanWindow, RepeatedSearchesFromAdvancingAndRetreatingStarts) {
  const std::string text = "<tr>a</tr><tr>b</tr>x";
  MarkerIndex index(text);
  const ScanWindow whole(index);
  const std::string_view markers[] = {"<tr", "</tr", "x", "<td"};
  const std::int64_t starts[] = {1, 6, 2, 11, 11, 1, 15, 16, 20, 5, 21, 22, 3, 1};
  for (const auto marker : markers) {
    for (const auto start : starts) {
      const auto rest = TextSlice(text, start, static_cast<std::int64_t>(text.size()));
      EXPECT_EQ(whole.From(start).Pos(marker), TextPos(marker, rest))
          << marker << " from " << start;
    }
  }
}

// Random texts and random cuts, several windows over one index at once: the
// windows always hold what the plain routines give, whatever the block
// boundaries of the search and whatever the index remembers between cuts.
TEST(ScanWindow, CutsLikeThePlainRoutines) {
  const std::string_view markers[] = {"<tr", "</tr", "<", "r>", "</table>", "ab<tr/>ab</tr>"};
  constexpr std::string_view kPieces[] = {
      "<", "t", "r", "/", ">", "a", "b", "</table>", "ab<tr/>ab</tr>"};
  unsigned seed = 7;
  const auto next = [&seed](unsigned range) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<std::int64_t>((seed >> 16) % range);
  };
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    for (auto length = next(120); static_cast<std::int64_t>(text.size()) < length;) {
      text += kPieces[next(std::size(kPieces))];
    }
    MarkerIndex index(text);
    struct Cut {
      ScanWindow window;
      std::string_view expected;
    };
    std::vector<Cut> cuts(3, Cut{ScanWindow(index), text});
    for (int step = 0; step < 16; ++step) {
      auto& [window, expected] = cuts[next(3)];
      const auto marker = markers[next(std::size(markers))];
      const auto size = static_cast<std::int64_t>(expected.size());
      ASSERT_EQ(window.Pos(marker), TextPos(marker, expected)) << text << " " << marker;
      const auto skip = next(9);
      switch (next(6)) {
        case 0:
          window = window.After(marker, skip);
          expected = TextAfter(expected, marker, skip);
          break;
        case 1:
          window = window.Before(marker);
          expected = TextBefore(expected, marker);
          break;
        case 2:
          window = window.From(window.Pos(marker));
          expected = TextFrom(expected, marker);
          break;
        case 3:
          window = window.From(skip);
          expected = TextSlice(expected, skip, size);
          break;
        case 4:
          window = window.Before(size - skip);
          expected = TextSlice(expected, 1, size - skip - 1);
          break;
        default:  // back to the start: the searches retreat
          window = ScanWindow(index);
          expected = text;
      }
      ASSERT_EQ(window.view(), expected) << text << " " << marker << " " << skip;
    }
  }
}

}  // namespace
}  // namespace kavero
