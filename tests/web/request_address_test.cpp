#include "web/request_address.h"

#include <gtest/gtest.h>

namespace kavero {
namespace {

TEST(SplitRequestAddress, KeepsTheTargetAsWritten) {
  struct Case {
    std::string address;
    std::string url;
    std::string target;
  };
  const Case cases[] = {
      {"http://h:81/bets/bets.php?line_id[]=1", "http://h:81/bets/bets.php?line_id[]=1",
       "/bets/bets.php?line_id[]=1"},
      {"http://h", "http://h/", "/"},
      {"http://h?x=1", "http://h/?x=1", "/?x=1"},
      {"http://h/a#part", "http://h/a", "/a"},
      {"h/x", "h/x", "/x"},
      {"http://h/%D4 \xD4\t\x7F", "http://h/%D4%20\xD4%09%7F", "/%D4%20\xD4%09%7F"},
      {"http://h/p?u=http://o/q", "http://h/p?u=http://o/q", "/p?u=http://o/q"},
      {"", "/", "/"},
      // "://" in the query of an address without a scheme of its own.
      {"h/p?u=http://o/q", "h/p?u=http://o/q", "/p?u=http://o/q"},
      {"h:81/p?u=x://o", "h:81/p?u=x://o", "/p?u=x://o"},
      {"h?u=http://o/q", "h/?u=http://o/q", "/?u=http://o/q"},
  };
  for (const auto& c : cases) {
    const auto parts = SplitRequestAddress(c.address);
    EXPECT_EQ(parts.url, c.url) << c.address;
    EXPECT_EQ(parts.target, c.target) << c.address;
  }
}

}  // namespace
}  // namespace kavero
