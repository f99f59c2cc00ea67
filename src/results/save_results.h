#pragma once
// Saving a match table to the local file and, in Russian, publishing it once a day.
#include <functional>
#include <string>

#include "base/match_table.h"
#include "web/addresses.h"
#include "web/http_client.h"

namespace kavero {

struct SaveContext {
  std::string language;  // "ENG" or "RUS"
  std::string today;     // today's date in the user's short date format, Windows-1251
  char decimal_separator = '.';
  std::string file_path;  // the full path of the file to replace
  HttpClient& client;
  std::string publishing_server{PublishingServer};  // base address ending in "/"
  // Whether an address answers 200 or 302 (UrlResponds, in the program).
  std::function<bool(const std::string& address)> probe;
};

// In Russian, unless today's published file already answers, posts the saved
// text (the answer is ignored); then replaces the file with it. Throws
// std::runtime_error when the file cannot be written.
void SaveResults(const MatchTable& table, const SaveContext& context);

}  // namespace kavero
