#include "base/encoding.h"

#include <gtest/gtest.h>

#include "base/cp1251_literal.h"

namespace kavero {
namespace {

TEST(Encoding, Utf8ToCp1251) {
  EXPECT_EQ(Utf8ToCp1251("Футбол"), "Футбол"_w1251s);
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
  EXPECT_EQ(LowerCp1251("ЁЛКИ Zenit"_w1251), "ёлки zenit"_w1251s);
}

}  // namespace
}  // namespace kavero
