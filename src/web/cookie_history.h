#pragma once
// Which answers brought cookies that requests sent before them lacked. The jar
// itself lives in libcurl; this keeps, per server and cookie name, the last
// value an answer set and the generation it came with, so that a page fetched
// ahead can tell whether it went out without a cookie an earlier page brought.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kavero {

struct CookieStamp {
  int sent = 0;  // the generation when the request went out
  int set = 0;  // the newest generation among the cookies its answer set; 0 when none was new to it
};

class CookieHistory {
 public:
  // Grows by one whenever an answer sets a cookie to a value not seen before.
  int generation() const { return generation_; }
  // Notes the cookies ("name=value") that an answer from `origin` set; its
  // request went out at generation `sent`.
  CookieStamp Note(std::string_view origin, const std::vector<std::string>& cookies, int sent);

 private:
  struct Known {
    std::string value;
    int generation = 0;
  };

  int generation_ = 0;
  std::unordered_map<std::string, Known> known_;
};

}  // namespace kavero
