#include "base/html_cells.h"

#include <gtest/gtest.h>

namespace kavero {
namespace {

TEST(HtmlCells, CellLinkAndColspanTexts) {
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

}  // namespace
}  // namespace kavero
