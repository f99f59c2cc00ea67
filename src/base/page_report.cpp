#include "base/page_report.h"

#include <algorithm>

#include "base/encoding.h"

namespace kavero {
namespace {

PageFault FaultOf(FetchFailure failure) {
  switch (failure) {
    case FetchFailure::kRefused:
      return PageFault::kRefused;
    case FetchFailure::kNoHost:
      return PageFault::kNoHost;
    case FetchFailure::kTimeOut:
      return PageFault::kTimeOut;
    case FetchFailure::kStatus:
      return PageFault::kStatus;
    case FetchFailure::kRedirect:
      return PageFault::kRedirect;
    case FetchFailure::kTooLarge:
      return PageFault::kTooLarge;
    case FetchFailure::kCutOff:
      return PageFault::kCutOff;
    case FetchFailure::kNone:
    case FetchFailure::kOther:
      break;
  }
  return PageFault::kFailed;
}

}  // namespace

std::optional<PageProblem> FetchProblem(std::string_view address, const FetchResult& answer) {
  if (answer.ok) return std::nullopt;
  return PageProblem{.address = std::string(address),
                     .fault = FaultOf(answer.failure),
                     .status = answer.status,
                     .detail = answer.error};
}

PageProblem ContentProblem(std::string_view address, PageFault fault) {
  PageProblem problem;
  problem.address = address;
  problem.fault = fault;
  return problem;
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
