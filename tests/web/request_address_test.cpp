#include "web/request_address.h"

#include <gtest/gtest.h>

namespace kavero {
namespace {

TEST(SplitRequestAddress, KeepsTheTargetAsWritten) {
  struct Case {
    std::string address;
    std::string url;
    std::string target;
    std::string origin;
  };
  const Case cases[] = {
      {"http://h:81/bets/bets.php?line_id[]=1", "http://h:81/bets/bets.php?line_id[]=1",
       "/bets/bets.php?line_id[]=1", "http://h:81"},
      {"http://h", "http://h/", "/", "http://h"},
      {"http://h?x=1", "http://h/?x=1", "/?x=1", "http://h"},
      {"http://h/a#part", "http://h/a", "/a", "http://h"},
      {"http://h#part", "http://h/", "/", "http://h"},
      {"h/x", "h/x", "/x", "h"},
      {"http://h/%D4 \xD4\t\x7F", "http://h/%D4%20\xD4%09%7F", "/%D4%20\xD4%09%7F", "http://h"},
      {"http://h/p?u=http://o/q", "http://h/p?u=http://o/q", "/p?u=http://o/q", "http://h"},
      {"", "/", "/", ""},
      // "://" in the query of an address without a scheme of its own.
      {"h/p?u=http://o/q", "h/p?u=http://o/q", "/p?u=http://o/q", "h"},
      {"h:81/p?u=x://o", "h:81/p?u=x://o", "/p?u=x://o", "h:81"},
      {"h?u=http://o/q", "h/?u=http://o/q", "/?u=http://o/q", "h"},
  };
  for (const auto& c : cases) {
    const auto parts = SplitRequestAddress(c.address);
    EXPECT_EQ(parts.url, c.url) << c.address;
    EXPECT_EQ(parts.target, c.target) << c.address;
    EXPECT_EQ(OriginOf(c.address), c.origin) << c.address;
  }
}

}  // namespace
}  // namespace kavero
