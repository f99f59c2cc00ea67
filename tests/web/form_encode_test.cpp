#include "web/form_encode.h"

#include <gtest/gtest.h>

#include "base/cp1251_literal.h"

namespace kavero {
namespace {

using namespace kavero::literals;

TEST(FormEncode, KeepsOnlyLettersAndDigits) {
  EXPECT_EQ(FormEncode("AZaz09"), "AZaz09");
  EXPECT_EQ(FormEncode("a b"), "a+b");
  EXPECT_EQ(FormEncode(".-_*~"), "%2E%2D%5F%2A%7E");
  EXPECT_EQ(FormEncode("\r\n&=+%"), "%0D%0A%26%3D%2B%25");
  EXPECT_EQ(FormEncode(std::string_view("\0", 1)), "%00");
  EXPECT_EQ(FormEncode("Ая"_w1251), "%C0%FF");
  EXPECT_EQ(FormEncode(""), "");
}

TEST(BuildFormBody, JoinsEncodedValuesAsTheServerExpects) {
  struct Case {
    std::vector<std::string> fields;
    std::string body;
  };
  const Case cases[] = {
      {{"datas=1.2", "stext=a b"}, "datas=1%2E2&stext=a+b&"},
      {{"datas=X", "stext="}, "datas=X&stext=&"},
      {{"a=b c"}, "a=b+c"},
      {{"a="}, "a="},
      {{}, ""},
      // Only the first "=" separates; names are never encoded.
      {{"k=v=w", "n m=1"}, "k=v%3Dw&n m=1&"},
      // A line without "=" has no value to encode.
      {{"plain text"}, "plain text"},
      // The body is trimmed at both ends.
      {{"  a=1"}, "a=1"},
      {{" a=1", "b=2"}, "a=1&b=2&"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BuildFormBody(c.fields), c.body) << ::testing::PrintToString(c.fields);
  }
}

}  // namespace
}  // namespace kavero
