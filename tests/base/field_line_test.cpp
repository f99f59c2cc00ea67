#include "base/field_line.h"

#include <gtest/gtest.h>

namespace kavero {
namespace {

TEST(FieldLine, GetField) {
  EXPECT_EQ(GetField("a>>b>>", 2), "b");
  EXPECT_EQ(GetField("a>>b", 2), "");
  EXPECT_EQ(GetField("a>>b>>", 0), "a");
  EXPECT_EQ(GetField("a>>b>>", 3), "");
  EXPECT_EQ(GetField("a>>>b>>", 2), ">b");
}

TEST(FieldLine, AppendFieldWritesWhatGetFieldReads) {
  std::string line;
  for (std::string_view field : {"a", "", "b>c"}) AppendField(line, field);
  EXPECT_EQ(line, "a>>>>b>c>>");
  EXPECT_EQ(GetField(line, 1), "a");
  EXPECT_EQ(GetField(line, 2), "");
  EXPECT_EQ(GetField(line, 3), "b>c");
}

TEST(FieldLine, DistinctFirstFields) {
  EXPECT_EQ(DistinctFirstFields("a>>x>>\r\nb>>y>>\r\na>>z>>\r\n>>w>>\r\n  >>v>>\r\nb"),
            "a\r\nb\r\n");
  EXPECT_EQ(DistinctFirstFields(""), "");
}

}  // namespace
}  // namespace kavero
