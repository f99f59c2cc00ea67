#include "web/fetch_problem.h"

#include <string>

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
                     .detail = answer.error,
                     .match = {}};
}

}  // namespace kavero
