// The machine-independent services: random numbers, folders, messages; and
// the layer's boundary: only engine/platform/ talks to SDL.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <vector>

#include "engine/platform/Platform.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

TEST(PlatformRandom, FifteenBitsRepeatableFromASeed) {
  Platform::SeedRandom(42);
  std::vector<int> first;
  for (int i = 0; i < 20000; ++i) first.push_back(Platform::Random());
  Platform::SeedRandom(42);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(Platform::Random(), first[i]);
  const auto [low, high] = std::minmax_element(first.begin(), first.end());
  EXPECT_GE(*low, 0);
  EXPECT_LE(*high, Platform::kRandomMax);
  // The whole 15-bit range is used, not a sliver of a wider one.
  EXPECT_LT(*low, 100);
  EXPECT_GT(*high, Platform::kRandomMax - 100);
}

TEST(PlatformFolders, MakeFolderCreatesAndAcceptsAnExistingFolder) {
  TestSupport::TempFolder temp;
  const fs::path nested = temp.Path() / "level1_1" / "sub";
  EXPECT_TRUE(Platform::MakeFolder(nested.string()));
  EXPECT_TRUE(fs::is_directory(nested));
  EXPECT_TRUE(Platform::MakeFolder(nested.string())) << "an existing folder is success";
  const fs::path file = temp.Write("plain.txt", "x");
  EXPECT_FALSE(Platform::MakeFolder(file.string()));
}

TEST(PlatformFolders, ResourceFolderPrefersTheWorkingFolderThenTheGamesOwn) {
  TestSupport::TempFolder copy;
  fs::create_directories(copy.Path() / "Resources");
  {
    TestSupport::ScopedWorkingFolder inCopy(copy.Path());
    EXPECT_TRUE(Platform::EnterResourceFolder(nullptr));
    EXPECT_TRUE(fs::equivalent(fs::current_path(), copy.Path())) << "a copy is run in place";
  }
  TestSupport::TempFolder elsewhere;
  TestSupport::ScopedWorkingFolder inElsewhere(elsewhere.Path());
  EXPECT_TRUE(Platform::EnterResourceFolder(nullptr));
  EXPECT_FALSE(fs::equivalent(fs::current_path(), elsewhere.Path()));
  EXPECT_TRUE(fs::is_directory(fs::current_path() / "Resources"));
}

// Run from a terminal the test's stdin is that terminal: only the backend
// decides that no dialog waits for a click on the test display.
TEST(PlatformMessages, MessageBoxReachesStderrAndNeverWaitsInTests) {
  testing::internal::CaptureStderr();
  Platform::ShowMessageBox("Error", "Unable to create device context");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Unable to create device context\n");
}

// Everything machine-specific goes through Platform.h; the benchmark that
// measures SDL's own renderer is the one deliberate exception.
TEST(PlatformBoundary, NoSourceOutsideThePlatformLayerIncludesSdl) {
  const fs::path root = CORVIDALE_SOURCE_ROOT;
  const std::regex sdlInclude(R"(^\s*#\s*include\s*[<"]SDL)");
  std::vector<std::string> offenders;
  for (const char* folder : {"engine", "game", "tests", "tools"}) {
    if (!fs::is_directory(root / folder)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
      const fs::path& path = entry.path();
      const std::string extension = path.extension().string();
      if (extension != ".cpp" && extension != ".h") continue;
      if (path.parent_path() == root / "engine" / "platform") continue;
      std::ifstream in(path);
      for (std::string line; std::getline(in, line);)
        if (std::regex_search(line, sdlInclude)) offenders.push_back(fs::relative(path, root).string());
    }
  }
  EXPECT_TRUE(offenders.empty()) << "SDL included by: " << testing::PrintToString(offenders);
}

}  // namespace
