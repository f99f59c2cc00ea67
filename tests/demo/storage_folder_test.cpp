#include "storage_folder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

namespace kavero::demo {
namespace {

namespace fs = std::filesystem;

TEST(DemoStorage, BesideTheProgramWhereItsFolderTakesFilesElseTheUsersDataFolder) {
  const fs::path work = fs::temp_directory_path() / ("kavero-storage-" + std::to_string(getpid()));
  fs::create_directories(work);
  EXPECT_EQ(DefaultStorage(work, "/data"), work / "kavero-demo-published");
  EXPECT_TRUE(fs::is_directory(work / "kavero-demo-published"));
  EXPECT_TRUE(fs::is_empty(work / "kavero-demo-published")) << "the probe is removed";

  // A folder that cannot be made there (its parent is a file), as in /usr/bin
  // for a user: the same holds for root, who may write anywhere else.
  std::ofstream(work / "program") << "x";
  EXPECT_EQ(DefaultStorage(work / "program", "/data"), fs::path("/data/kavero/demo-published"));
  fs::remove_all(work);
}

}  // namespace
}  // namespace kavero::demo
