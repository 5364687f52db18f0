#include <filesystem>

#include <gtest/gtest.h>

#include "engine/core/FileHelpers.h"
#include "tests/support/TestSupport.h"

TEST(FileHelpers, SceneFolderStartsAtTheWorkingFolder) {
  EXPECT_EQ(".", Framework::GetSceneFolder());
  Framework::SetSceneFolder("Resources/level1_1/");
  EXPECT_EQ("Resources/level1_1/", Framework::GetSceneFolder());
  Framework::SetSceneFolder(".");
}

TEST(FileHelpers, MakeFolderCreatesTheSceneFolderOnceOrTwice) {
  TestSupport::TempFolder folder;
  TestSupport::ScopedWorkingFolder inside(folder.Path());
  EXPECT_EQ("Resources/splash/", Framework::MakeFolder("splash"));
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "Resources" / "splash"));
  testing::internal::CaptureStderr();
  EXPECT_EQ("Resources/splash/", Framework::MakeFolder("splash"));  // already there: no error
  EXPECT_EQ("", testing::internal::GetCapturedStderr());
}
