#pragma once
// The loopback bookmaker and publisher of tests/support, for the window's tests.
#include "support/fixture_site.h"
#include "window_fixture.h"

namespace kavero::app::testing {

using kavero::testing::FailingStatistics;
using kavero::testing::FixtureMatch;
using kavero::testing::FixtureSite;
using kavero::testing::HistoryLine;
using kavero::testing::LinkedRow;
using kavero::testing::LopsidedPage;
using kavero::testing::MiddlingPage;
using kavero::testing::StatisticsPage;
using kavero::testing::WorkedExamplePage;

}  // namespace kavero::app::testing
