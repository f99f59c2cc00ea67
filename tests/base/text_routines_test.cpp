#include "base/field_line.h"
#include "base/html_cells.h"
#include "base/scores.h"
#include "base/text_cuts.h"
#include "line/flag_stems.h"

#include <gtest/gtest.h>

#include "base/cp1251_literal.h"
#include "base/encoding.h"

namespace kavero {
namespace {

TEST(TextPrimitives, PositionsAndSlicesClampAsDocumented) {
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

TEST(TextPrimitives, LinesSplitAtEveryBreakAndEndAtNul) {
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
  EXPECT_EQ(SplitLines("a\n\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines(std::string_view("a\r\nb\0c\r\n", 8)), (Lines{"a", "b"}));
  EXPECT_EQ(JoinLines({"a", ""}), "a\r\n\r\n");
}

TEST(TextRoutines, GetField) {
  EXPECT_EQ(GetField("a>>b>>", 2), "b");
  EXPECT_EQ(GetField("a>>b", 2), "");
  EXPECT_EQ(GetField("a>>b>>", 0), "a");
  EXPECT_EQ(GetField("a>>b>>", 3), "");
  EXPECT_EQ(GetField("a>>>b>>", 2), ">b");
}

TEST(TextRoutines, ReplaceAllRescansWhatAReplacementBringsTogether) {
  EXPECT_EQ(ReplaceAll("aXbXc", "X", "--"), "a--b--c");
  EXPECT_EQ(ReplaceAll("<<b>b>", "<b>", ""), "");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAll("<<<b>b>b>x", "<b>", ""), "x");
  EXPECT_EQ(ReplaceAll("aabb", "ab", ""), "");
  EXPECT_EQ(ReplaceAll("xxab", "ab", "b"), "xxb");
  EXPECT_EQ(ReplaceAll("<TD<TD", "<TD", "<td"), "<td<td");
}

TEST(TextRoutines, ReplaceAllMatchesTheRestartingDefinition) {
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

TEST(TextRoutines, CellLinkAndColspanTexts) {
  EXPECT_EQ(CellText("&nbsp;"), "0");
  EXPECT_EQ(CellText(" &nbsp;"), "&nbsp;");
  EXPECT_EQ(CellText("class=x>1.85"), "1.85");
  EXPECT_EQ(CellText(" 2.5 "), "2.5");
  EXPECT_EQ(CellText("<a href=...>Team</a>"), "Team");
  EXPECT_EQ(LinkTarget(" <a href=\"stat/1.html\">x</a>"), "stat/1.html");
  EXPECT_EQ(LinkTarget("<a href=\"stat/1.html"), "");
  EXPECT_EQ(LinkTarget(" plain "), "plain");
  EXPECT_EQ(ColspanText("colspan=17>19.02.2011"), "19.02.2011");
  EXPECT_EQ(ColspanText("colspan=2> x </td"), " x ");
  EXPECT_EQ(ColspanText("abc"), "abc");
}

TEST(TextRoutines, ScoreParts) {
  struct Case {
    const char* score;
    int part;
    int expected;
  };
  const Case cases[] = {
      {"2:1 (1:0)", 1, 2}, {"2:1 (1:0)", 2, 1}, {"2:1 (1:0)", 3, 1},  {"2:1 (1:0)", 4, 0},
      {"2:1 (1:0)", 0, 0}, {"2:1 (1:0)", 5, 0}, {"2:x (1:0)", 2, -1}, {"2:1", 1, 0},
      {"2:1", 2, 0},       {"21 (1:0)", 1, -1}, {"21 (1:0)", 2, 21},  {"2 :1 (0:0)", 1, -1},
      {"3:0 (1:0", 3, 0},  {"", 1, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScorePart(c.score, c.part), c.expected) << c.score << " " << c.part;
}

TEST(TextRoutines, DigitsToInt) {
  EXPECT_EQ(DigitsToInt(""), -1);
  EXPECT_EQ(DigitsToInt("-1"), -1);
  EXPECT_EQ(DigitsToInt("1 "), -1);
  EXPECT_EQ(DigitsToInt("007"), 7);
  EXPECT_EQ(DigitsToInt("2147483647"), 2147483647);
  EXPECT_EQ(DigitsToInt("2147483648"), -1);
  EXPECT_EQ(DigitsToInt("99999999999999999999999"), -1);
}

TEST(TextRoutines, DistinctFirstFields) {
  EXPECT_EQ(DistinctFirstFields("a>>x>>\r\nb>>y>>\r\na>>z>>\r\n>>w>>\r\n  >>v>>\r\nb"),
            "a\r\nb\r\n");
  EXPECT_EQ(DistinctFirstFields(""), "");
}

TEST(TextRoutines, FlagIndexTakesTheLowestMatchingStem) {
  const auto& stems = FlagStems();
  ASSERT_EQ(stems.size(), 147u);
  EXPECT_EQ(stems[0], "");
  EXPECT_EQ(FlagIndex("Англия. Премьер-лига"_w1251, stems), 30);
  EXPECT_EQ(FlagIndex("Австрия. Бундеслига"_w1251, stems), 7);
  EXPECT_EQ(FlagIndex("Австралия. А-Лига"_w1251, stems), 6);
  EXPECT_EQ(FlagIndex("Европа. Лига Чемпионов"_w1251, stems), 33);
  EXPECT_EQ(FlagIndex("Нидерланды. Эредивизи"_w1251, stems), 0);
  EXPECT_EQ(FlagIndex("Южная Корея. К-Лига"_w1251, stems), 63);
  EXPECT_EQ(FlagIndex("Кубок Северной Ирландии"_w1251, stems), 54);
  EXPECT_EQ(FlagIndex("россия"_w1251, stems), 0);
  EXPECT_EQ(FlagIndex("Россия. Премьер-лига"_w1251, stems), 102);
  EXPECT_EQ(FlagIndex("США. MLS"_w1251, stems), 126);
}

TEST(Encoding, Utf8ToCp1251) {
  EXPECT_EQ(Utf8ToCp1251("Футбол"), std::string("Футбол"_w1251));
  EXPECT_EQ(Utf8ToCp1251("caf\xC3\xA9 \xE2\x82\xAC"), std::string("caf? \x88"));  // é lacks, € has
  EXPECT_EQ(Utf8ToCp1251("\xF0\x9F\x98\x80!"), std::string("?!"));
  EXPECT_EQ(Utf8ToCp1251(""), std::string());
  EXPECT_FALSE(Utf8ToCp1251("\xD4\xF3\xF2"));  // Windows-1251 bytes
  EXPECT_FALSE(Utf8ToCp1251("ab\xD0"));        // cut short
  EXPECT_FALSE(Utf8ToCp1251("\xC0\x80"));      // overlong
  EXPECT_FALSE(Utf8ToCp1251("\xED\xA0\x80"));  // surrogate
}

TEST(Encoding, Cp1251ToUtf8AndLowerCase) {
  EXPECT_EQ(Cp1251ToUtf8("Футбол"_w1251), "Футбол");
  EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");
  EXPECT_EQ(LowerCp1251("ЁЛКИ Zenit"_w1251), std::string("ёлки zenit"_w1251));
}

}  // namespace
}  // namespace kavero
