// Window tests need an application object; the offscreen platform comes from CTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/app_style.h"

int main(int argc, char** argv) {
  std::string runtime_dir;
  if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
    runtime_dir = "/tmp/kavero-app-tests-XXXXXX";
    if (mkdtemp(runtime_dir.data()) != nullptr) setenv("XDG_RUNTIME_DIR", runtime_dir.c_str(), 1);
  }
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  kavero::app::ApplyCalmStyle(application);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  if (!runtime_dir.empty()) std::filesystem::remove_all(runtime_dir);
  return result;
}
