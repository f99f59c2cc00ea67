#include "line/line_download.h"

#include <algorithm>
#include <vector>

#include "base/cp1251_literal.h"
#include "base/scan_window.h"
#include "base/text_cuts.h"
#include "line/line_parser.h"
#include "web/fetch_problem.h"

namespace kavero {

using namespace kavero::literals;

namespace {

// An identifier as it travels in the query: bytes that may stand in a URL
// unencoded stay as they are; any other (a blank, "&", "#", a Cyrillic
// letter) is percent-encoded, so that it can neither end the query nor break
// the address.
std::string QueryValue(std::string_view identifier) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string value;
  for (char c : identifier) {
    const auto byte = static_cast<unsigned char>(c);
    const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                            (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' ||
                            c == '~';
    if (unreserved) {
      value += c;
    } else {
      value += '%';
      value += kHex[byte >> 4];
      value += kHex[byte & 15];
    }
  }
  return value;
}

constexpr std::string_view kFootball = "Футбол"_w1251;
constexpr std::string_view kFootballHeading = "Футбол."_w1251;

// Identifiers of the football checkboxes between "Футбол" and the long-term bets.
std::vector<std::string> FootballLineIds(std::string_view menu) {
  const auto football = TextBefore(TextAfter(menu, kFootball, 8), "долгосрочные"_w1251);
  const auto page = ReplaceAll(ReplaceAll(football, "<b>", ""), "</b>", "");
  std::vector<std::string> ids;
  MarkerIndex index(page);
  ScanWindow scan(index);
  while (scan.Contains("checkbox")) {
    scan = scan.After("checkbox", 8).After("value=\"", 7);
    ids.emplace_back(scan.Before("\"").view());
    scan = scan.After(kFootball, 6);
  }
  return ids;
}

// Why a line page that came gave nothing: it is UTF-8, or `marker` is missing.
PageProblem LineProblem(std::string_view address, std::string_view page, std::string_view marker) {
  PageFault fault =
      marker == kFootball ? PageFault::kNoFootballSections : PageFault::kNoChampionshipHeading;
  if (IsUtf8Text(page)) fault = PageFault::kUtf8LinePage;
  return ContentProblem(address, fault);
}

}  // namespace

std::string ParseLinePage(std::string_view page, const RunHooks& hooks) {
  std::string lines;
  const auto line_part = TextBefore(page, "name=cc");
  // Sections may overlap: the page is unified once, and each section's table
  // is read from the same place in the unified copy.
  const std::string unified = UnifyCase(line_part);
  MarkerIndex index(line_part);
  ScanWindow scan(index);
  while (scan.Contains(kFootballHeading)) {
    hooks.ProcessMessages();
    if (hooks.gauge != nullptr) hooks.gauge->SetValue(hooks.gauge->value + 1);
    scan = scan.From(scan.Pos(kFootballHeading));
    // 'Футбол. Англия. Премьер-лига:' names 'Англия. Премьер-лига'.
    const auto heading = scan.Before("<").view();
    const auto championship = Trim(TextSlice(heading, TextPos(kFootballHeading, heading) + 7,
                                             static_cast<std::int64_t>(heading.size()) - 8));
    const auto section = TextSlice(scan.view(), 1, scan.Pos("</table>") + 8);
    const auto offset = static_cast<std::size_t>(section.data() - line_part.data());
    const auto table =
        ParseUnifiedTable(std::string_view(unified).substr(offset, section.size()), championship);
    // One byte on, so that a heading inside the section just read starts the next one.
    scan = scan.After(kFootballHeading, 1);
    // The window gets its turn once per match, as if the lines were added one by one.
    for (auto count = std::count(table.begin(), table.end(), '\n'); count > 0; --count) {
      hooks.ProcessMessages();
    }
    lines += table;
  }
  return lines;
}

std::string DownloadLine(HttpClient& client, std::string_view bookmaker_site, const RunHooks& hooks,
                         PageReport* report) {
  client.Disconnect();
  const std::string site(bookmaker_site);
  const std::string menu_address = site + "bets/bets.php?line_id[]=1";
  const auto menu = client.Get(menu_address);
  const auto ids = FootballLineIds(menu.body);
  if (menu.ok && ids.empty()) Note(report, LineProblem(menu_address, menu.body, kFootball));
  Note(report, FetchProblem(menu_address, menu));
  if (!ids.empty() && hooks.gauge != nullptr) {
    hooks.gauge->SetMaximum(static_cast<int>(ids.size()));
  }
  auto address = site + "bets/bets2.php?";
  for (const auto& id : ids) {
    address += "line_id[]=" + QueryValue(id) + "&";
  }
  // Unlike the menu, a line page that failed part-way is not read at all.
  const auto line_page = client.Get(address);
  Note(report, FetchProblem(address, line_page));
  if (!line_page.ok) return {};
  if (TextPos(kFootballHeading, TextBefore(line_page.body, "name=cc")) == 0) {
    Note(report, LineProblem(address, line_page.body, kFootballHeading));
  }
  return ParseLinePage(line_page.body, hooks);
}

}  // namespace kavero
