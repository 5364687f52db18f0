// The configuration file and the window system on the test backend.
#include <gtest/gtest.h>

#include <vector>

#include "engine/core/Engine.h"
#include "engine/core/InputManager.h"
#include "engine/core/WindowsSystem.h"
#include "support/TestSupport.h"

using Framework::WindowConfig;
using Framework::WindowsSystem;

namespace {

TEST(WindowConfig, MissingFileGivesDefaultsAndIsWrittenAsThreeLines) {
  TestSupport::TempFolder folder;
  const auto path = folder.Path() / "Config.cfg";
  const WindowConfig config = WindowConfig::Load(path.string());
  EXPECT_EQ(config.title, "CORVIDALE");
  EXPECT_EQ(config.width, 1280);
  EXPECT_EQ(config.height, 720);
  EXPECT_EQ(TestSupport::ReadFile(path), "CORVIDALE\n1280\n720\n");
}

TEST(WindowConfig, ReadsTitleAndSizeWithOrWithoutLineEnds) {
  TestSupport::TempFolder folder;
  for (const char* text : {"MyGame 800 600", "MyGame\n800\n600\n", "  MyGame\t800   600  "}) {
    const auto path = folder.Write("Config.cfg", text);
    const WindowConfig config = WindowConfig::Load(path.string());
    EXPECT_EQ(config.title, "MyGame") << text;
    EXPECT_EQ(config.width, 800) << text;
    EXPECT_EQ(config.height, 600) << text;
  }
  const auto utf8 = folder.Write("Config.cfg", "Caf\xc3\xa9\xf0\x9f\x90\xa6 800 600");
  EXPECT_EQ(WindowConfig::Load(utf8.string()).title, "Caf\xc3\xa9\xf0\x9f\x90\xa6");
}

struct BrokenConfig {
  const char* text;
  const char* title;
  int width, height;
};

TEST(WindowConfig, BrokenFilesFallBackPerItemAndAreLeftAsTheyWere) {
  const std::vector<BrokenConfig> cases = {
      {"", "CORVIDALE", 1280, 720},
      {"   \n", "CORVIDALE", 1280, 720},
      {"Only", "Only", 1280, 720},
      {"Wide 800", "Wide", 800, 720},
      {"My Game 800 600", "My", 1280, 720},  // a second word is no width
      {"Zero 0 -5", "Zero", 1280, 720},
      {"Huge 100000 600", "Huge", 1280, 600},
      {"Edge 8192 8193", "Edge", 8192, 720},
      {"Overflow 99999999999999 600", "Overflow", 1280, 720},
      {"\xff\xfe 800 600", "CORVIDALE", 800, 600},  // X11 leaks converting non-UTF-8
      {"Caf\xc3\xa9\xed\xa0\x80 800 600", "CORVIDALE", 800, 600},  // an encoded surrogate
  };
  TestSupport::TempFolder folder;
  for (const BrokenConfig& c : cases) {
    const auto path = folder.Write("Config.cfg", c.text);
    testing::internal::CaptureStderr();
    const WindowConfig config = WindowConfig::Load(path.string());
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(config.title, c.title) << c.text;
    EXPECT_EQ(config.width, c.width) << c.text;
    EXPECT_EQ(config.height, c.height) << c.text;
    EXPECT_EQ(errors.rfind("Error: ", 0), 0u) << c.text;
    EXPECT_EQ(TestSupport::ReadFile(path), c.text) << "the user's file must stay as written";
  }
}

TEST(WindowConfig, UnreadableFileIsNeverReplaced) {
  TestSupport::TempFolder folder;
  const auto path = folder.Path() / "Config.cfg";
  std::filesystem::create_directory(path);  // present, but no file to read
  testing::internal::CaptureStderr();
  const WindowConfig config = WindowConfig::Load(path.string());
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Error: "), std::string::npos);
  EXPECT_EQ(config.width, 1280);
  EXPECT_EQ(config.height, 720);
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

class WindowSystemTest : public testing::Test {
 protected:
  void SetUp() override {
    folder.Write("Resources/Config.cfg", "MyGame 800 600");
    working = std::make_unique<TestSupport::ScopedWorkingFolder>(folder.Path());
    window = std::make_unique<WindowsSystem>();
  }
  void TearDown() override {
    Framework::GetEngine().fullscreen = false;
    Framework::GetEngine().systems.clear();
    Framework::RunningFlag() = true;
  }

  TestSupport::ScopedTestBackend backend;
  TestSupport::TempFolder folder;
  std::unique_ptr<TestSupport::ScopedWorkingFolder> working;
  std::unique_ptr<WindowsSystem> window;
};

TEST_F(WindowSystemTest, CreatesTheHiddenWindowFromTheConfiguration) {
  EXPECT_EQ(window->GetName(), "Window");
  EXPECT_TRUE(backend->HasWindow());
  EXPECT_FALSE(backend->shown);
  EXPECT_EQ(backend->title, "MyGame");
  EXPECT_EQ(backend->width, 800);
  EXPECT_EQ(backend->height, 600);
  window->Show();
  EXPECT_TRUE(backend->shown);
}

TEST_F(WindowSystemTest, MouseMoveCountsYFromTheBottomEdge) {
  Framework::InputManager& input = Framework::GetInputManager();
  input.mouseInUse = false;
  backend->QueueMouseMove(10, 20);
  window->Update(0);
  EXPECT_EQ(input.mouseX, 10);
  EXPECT_EQ(input.mouseY, 580);
  EXPECT_TRUE(input.mouseInUse);
}

TEST_F(WindowSystemTest, QuitRequestTellsEverySystemAndClearsTheRunningFlag) {
  TestSupport::MessageRecorder recorder;
  Framework::GetEngine().systems = {window.get(), &recorder};
  window->Update(0);
  EXPECT_TRUE(recorder.ids.empty());
  EXPECT_TRUE(Framework::RunningFlag());
  backend->QueueQuit();
  window->Update(0);
  EXPECT_EQ(recorder.ids, std::vector<int>{Framework::MSG_QUIT});
  EXPECT_FALSE(Framework::RunningFlag());
}

TEST_F(WindowSystemTest, FullscreenSwitchesOnlyOnChange) {
  window->SetFullscreen(false);
  EXPECT_EQ(backend->fullscreenSwitches, 0) << "already windowed";
  window->SetFullscreen(true);
  window->SetFullscreen(true);
  EXPECT_EQ(backend->fullscreenSwitches, 1);
  EXPECT_TRUE(Framework::GetEngine().fullscreen);
  EXPECT_TRUE(backend->fullscreen);
  window->SetFullscreen(false);
  EXPECT_FALSE(Framework::GetEngine().fullscreen);
  EXPECT_FALSE(backend->fullscreen);
}

TEST_F(WindowSystemTest, FocusChangesFollowTheDisplayMode) {
  window->SetFullscreen(true);
  window->Update(0);  // the first update only remembers the focus
  EXPECT_EQ(backend->gameModeCount + backend->desktopModeCount, 0);
  backend->SetActive(false);
  window->Update(0);
  EXPECT_EQ(backend->desktopModeCount, 1);
  window->Update(0);
  EXPECT_EQ(backend->desktopModeCount, 1) << "no change, no switch";
  backend->SetActive(true);
  window->Update(0);
  EXPECT_EQ(backend->gameModeCount, 1);

  window->SetFullscreen(false);
  backend->SetActive(false);
  window->Update(0);
  backend->SetActive(true);
  window->Update(0);
  EXPECT_EQ(backend->gameModeCount, 1) << "windowed: focus only resets to the desktop mode";
  EXPECT_EQ(backend->desktopModeCount, 3);
}

}  // namespace
