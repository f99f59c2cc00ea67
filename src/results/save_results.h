#pragma once
// Saving a match table to the local file and, in Russian, publishing it once a day.
#include <functional>
#include <optional>
#include <string>

#include "base/language.h"
#include "base/match_table.h"
#include "base/page_report.h"
#include "web/addresses.h"
#include "web/http_client.h"

namespace kavero {

struct SaveContext {
  Language language = Language::kEnglish;  // Russian publishes
  std::string today;  // today's date in the user's short date format, Windows-1251
  char decimal_separator = '.';
  std::string file_path;  // the full path of the file to replace
  HttpClient& client;
  std::string publishing_server{PublishingServer};  // base address ending in "/"
  // Whether an address answers 200 or 302 (UrlResponds, in the program).
  std::function<bool(const std::string& address)> probe;
  // Where a replaced file with other rows is kept ("" keeps none), and the
  // date and time that name it.
  std::string previous_saves_folder{};
  std::string now{};
};

// What became of the day's publication.
enum class Publishing {
  kNotAsked,      // not the Russian interface
  kAlreadyThere,  // today's file answered: nothing sent
  kSent,
  kFailed,  // sent, and the exchange failed: `failure` says how
};

struct SaveOutcome {
  Publishing publishing = Publishing::kNotAsked;
  std::optional<PageProblem> failure;
};

// In Russian, unless today's published file already answers, posts the saved
// text (its answer changes nothing but the outcome); then replaces the file
// with it. Throws std::runtime_error when the file cannot be written.
SaveOutcome SaveResults(const MatchTable& table, const SaveContext& context);

}  // namespace kavero
