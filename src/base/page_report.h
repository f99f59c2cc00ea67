#pragma once
// Pages that failed or were not understood, as plain data: the core notes
// them while it reads, and the window puts them into words.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavero {

enum class PageFault {
  // The exchange failed (FetchFailure).
  kRefused,
  kNoHost,
  kTimeOut,
  kStatus,
  kRedirect,
  kTooLarge,
  kCutOff,
  kFailed,
  // The page came, but not as expected; what is read from it stays as it is.
  kUtf8LinePage,           // a line page in UTF-8, not Windows-1251
  kNoFootballSections,     // a line menu without football sections
  kNoChampionshipHeading,  // a line page without "Футбол." headings
  kNoRecentResults,        // a statistics page without "Последние"
  kTeamPageNotUtf8,        // a team page that is no UTF-8: read as empty
  kTeamRowNotFound,        // a team page without the team's bold row
  // The user stopped the pass before it came to the page.
  kStopped,
};

struct PageProblem {
  std::string address;
  PageFault fault = PageFault::kFailed;
  int status = 0;      // kStatus: the answer's status
  std::string detail;  // kFailed: the client's own words
  std::string match;   // "Home - Away" of the match whose page it is; "" for the line's pages
  friend bool operator==(const PageProblem&, const PageProblem&) = default;
};

using PageReport = std::vector<PageProblem>;

// A page that came but was not understood.
PageProblem ContentProblem(std::string_view address, PageFault fault);

// Names the match whose pages `report` lists.
void NameMatch(PageReport& report, std::string_view home, std::string_view away);

// Appends `problem` when there is one and `report` is given.
void Note(PageReport* report, std::optional<PageProblem> problem);

// A page that holds non-ASCII bytes and is well-formed UTF-8 throughout.
bool IsUtf8Text(std::string_view page);

}  // namespace kavero
