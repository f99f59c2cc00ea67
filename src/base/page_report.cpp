#include "base/page_report.h"

#include <algorithm>

#include "base/encoding.h"

namespace kavero {

PageProblem ContentProblem(std::string_view address, PageFault fault) {
  PageProblem problem;
  problem.address = address;
  problem.fault = fault;
  return problem;
}

void NameMatch(PageReport& report, std::string_view home, std::string_view away) {
  for (PageProblem& problem : report) {
    problem.match = std::string(home) + " - " + std::string(away);
  }
}

void Note(PageReport* report, std::optional<PageProblem> problem) {
  if (report != nullptr && problem) report->push_back(std::move(*problem));
}

bool IsUtf8Text(std::string_view page) {
  const bool plain_ascii = std::all_of(page.begin(), page.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return !plain_ascii && Utf8ToCp1251(page).has_value();
}

}  // namespace kavero
