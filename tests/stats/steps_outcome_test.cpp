// Whether a pass stores what it computed for a row, by the row's state and
// whether its statistics page was read.
#include "stats/steps_outcome.h"

#include <gtest/gtest.h>

#include <optional>

namespace kavero {
namespace {

const PageProblem kOld{.address = "http://site/old",
                       .fault = PageFault::kStatus,
                       .status = 500,
                       .detail = "",
                       .match = ""};
const PageProblem kNew{.address = "http://site/new",
                       .fault = PageFault::kFailed,
                       .status = 0,
                       .detail = "timed out",
                       .match = ""};

enum class Before { kUnread, kRead, kNotRead };

MatchRow RowThatIs(Before before) {
  MatchRow row;
  row.step1 = 1.5;
  row.steps_read = before == Before::kRead;
  if (before == Before::kNotRead) row.steps_not_read = kOld;
  return row;
}

TEST(TakeSteps, StoresOnlyWhatAReadPageGaveAndMarksNotReadOnlyRowsWithoutValues) {
  const struct {
    const char* name;
    Before before;
    bool fresh;
    bool page_failed;
    bool taken;
    bool steps_read;
    std::optional<PageProblem> not_read;
  } cases[] = {
      {"read page, fresh row", Before::kUnread, true, false, true, true, std::nullopt},
      {"read page clears not read", Before::kNotRead, false, false, true, true, std::nullopt},
      {"read page, row read before", Before::kRead, false, false, true, true, std::nullopt},
      {"failed page, fresh row", Before::kUnread, true, true, false, false, kNew},
      {"failed page, fresh row read before", Before::kRead, true, true, false, false, kNew},
      {"failed page, row already not read", Before::kNotRead, false, true, false, false, kNew},
      {"failed page keeps a row's own value", Before::kRead, false, true, false, true,
       std::nullopt},
      {"failed page, unread row not fresh", Before::kUnread, false, true, false, false,
       std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MatchRow row = RowThatIs(c.before);
    MatchStats stats;
    if (c.page_failed) stats.statistics_failure = kNew;
    EXPECT_EQ(TakeSteps(row, stats, c.fresh), c.taken);
    EXPECT_EQ(row.steps_read, c.steps_read);
    EXPECT_EQ(row.steps_not_read, c.not_read);
    EXPECT_EQ(row.step1, 1.5) << "the values are the caller's to store";
  }
}

TEST(CountNotRead, CountsRowsMarkedNotRead) {
  EXPECT_EQ(CountNotRead({}), 0u);
  EXPECT_EQ(CountNotRead({RowThatIs(Before::kNotRead), RowThatIs(Before::kRead),
                          RowThatIs(Before::kNotRead), RowThatIs(Before::kUnread)}),
            2u);
}

}  // namespace
}  // namespace kavero
