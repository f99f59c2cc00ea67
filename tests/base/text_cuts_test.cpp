#include "base/text_cuts.h"

#include <gtest/gtest.h>

namespace kavero {
namespace {

TEST(TextCuts, PositionsAndSlicesClampAsDocumented) {
  EXPECT_EQ(TextPos("b", "abcb"), 2);
  EXPECT_EQ(TextPos("", "abc"), 0);
  EXPECT_EQ(TextPos("a", ""), 0);
  EXPECT_EQ(TextPos("x", "abc"), 0);
  EXPECT_EQ(TextSlice("abcdef", 0, 2), "ab");
  EXPECT_EQ(TextSlice("abcdef", 7, 2), "");
  EXPECT_EQ(TextSlice("abcdef", 2, -1), "");
  EXPECT_EQ(TextSlice("abcdef", 5, 100), "ef");
  EXPECT_EQ(TextBefore("abc", "x"), "");
  EXPECT_EQ(TextAfter("abcdef", "x", 3), "cdef");  // missing marker: starts at the skip
  EXPECT_EQ(TextFrom("abcdef", "x"), "abcdef");
  EXPECT_EQ(Trim(std::string_view("\x01 a\xA0 \t", 6)), "a\xA0");
}

TEST(TextCuts, LinesSplitAtEveryBreakAndEndAtNul) {
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
  EXPECT_EQ(SplitLines("a\n\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines(std::string_view("a\r\nb\0c\r\n", 8)), (Lines{"a", "b"}));
  EXPECT_EQ(JoinLines({"a", ""}), "a\r\n\r\n");
}

TEST(ReplaceAll, ReplaceAllRescansWhatAReplacementBringsTogether) {
  EXPECT_EQ(ReplaceAll("aXbXc", "X", "--"), "a--b--c");
  EXPECT_EQ(ReplaceAll("<<b>b>", "<b>", ""), "");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAll("<<<b>b>b>x", "<b>", ""), "x");
  EXPECT_EQ(ReplaceAll("aabb", "ab", ""), "");
  EXPECT_EQ(ReplaceAll("xxab", "ab", "b"), "xxb");
  EXPECT_EQ(ReplaceAll("<TD<TD", "<TD", "<td"), "<td<td");
}

TEST(ReplaceAll, ReplaceAllMatchesTheRestartingDefinition) {
  auto restarting = [](std::string text, const std::string& from, const std::string& to) {
    for (auto p = text.find(from); p != std::string::npos; p = text.find(from)) {
      text.replace(p, from.size(), to);
    }
    return text;
  };
  const std::vector<std::pair<std::string, std::string>> pairs = {
      {"ab", "a"}, {"aba", "b"}, {"ab", ""}, {"aa", "a"}, {"abc", "ca"}, {"b", "aa"}};
  for (unsigned seed = 1; seed < 400; ++seed) {
    std::string text;
    for (unsigned x = seed, i = 0; i < 12; ++i, x = x * 1103515245 + 12345) {
      text += "abc"[(x >> 16) % 3];
    }
    for (const auto& [from, to] : pairs) {
      ASSERT_EQ(ReplaceAll(text, from, to), restarting(text, from, to)) << text << " " << from;
    }
  }
}

}  // namespace
}  // namespace kavero
