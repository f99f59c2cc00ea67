// Errors, loops and closing: nothing escapes into Qt.
#include <QProgressBar>
#include <stdexcept>

#include "window_fixture.h"

namespace kavero::app::testing {
namespace {

TEST_F(WindowTest, AnErrorEndsTheHandlerAndShowsItsText) {
  MainWindow& window = Open(Config("http://127.0.0.1:1/"));
  bool went_on = false;
  window.Guarded([&] {
    throw std::runtime_error("Cannot create file \"x\". Permission denied");
    went_on = true;
  });
  EXPECT_FALSE(went_on);
  EXPECT_EQ(errors_, QStringList{"Cannot create file \"x\". Permission denied"});
}

TEST_F(WindowTest, TheGaugeMirrorsTheCoreAtEachMessageProcessing) {
  MainWindow& window = Open(Config("http://127.0.0.1:1/"));
  RunHooks hooks = window.Hooks();
  hooks.gauge->SetMaximum(7);
  hooks.gauge->SetValue(3);
  hooks.ProcessMessages();
  auto* gauge = Control<QProgressBar>("pr");
  EXPECT_EQ(gauge->maximum(), 7);
  EXPECT_EQ(gauge->value(), 3);
}

TEST_F(WindowTest, ClosingDuringALoopStopsItQuietlyAndReleasesTheTeamPages) {
  server_.server().Get("/brr/beturl.txt", [](const httplib::Request&, httplib::Response& res) {
    res.set_content("Zenit>>http://a/1>>\r\n", "text/plain");
  });
  MainWindow& window = OpenWithServer();
  window.show();
  ASSERT_EQ(window.Core().TeamPageList().size(), 1u);
  int steps_done = 0;
  bool used_after_close = false;
  window.Guarded([&] {
    RunHooks hooks = window.Hooks();
    for (;;) {
      hooks.ProcessMessages();
      if (window.isHidden()) used_after_close = true;  // must never get here
      if (++steps_done == 2) window.close();
    }
  });
  EXPECT_EQ(steps_done, 2);
  EXPECT_FALSE(used_after_close);
  EXPECT_TRUE(window.Core().TeamPageList().empty());
  EXPECT_TRUE(errors_.isEmpty()) << "a cancelled loop says nothing";
  EXPECT_THROW(window.ProcessMessages(), RunCancelled) << "every later loop stops at once";
}

}  // namespace
}  // namespace kavero::app::testing
