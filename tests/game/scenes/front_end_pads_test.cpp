// The front end on two virtual pads through the real game: shipped scenes,
// the frame loop and the SDL backend, whose window counts as focused (on a
// shared test display it may lose the focus).
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "engine/core/Engine.h"
#include "engine/core/InputManager.h"
#include "engine/core/SceneManager.h"
#include "engine/platform/SdlBackend.h"
#include "engine/platform/VirtualPad.h"
#include "engine/ui/UIButton.h"
#include "engine/ui/UISystem.h"
#include "game/GameStart.h"
#include "game/match/Roles.h"
#include "game/menus/PlayerSelection.h"
#include "game/scenes/GameScenes.h"
#include "support/TestSupport.h"

namespace {

using namespace Platform;
using Press = std::pair<VirtualPad*, PadButton>;

class FocusedSdlBackend : public SdlBackend {
 public:
  bool IsWindowActive() override { return true; }
};

Framework::Engine& engine = Framework::GetEngine();
Framework::SceneManager& scenes = Framework::GetSceneManager();

// Frames until the scene is up, uncovered, focused on the button named; false after 20 s.
bool Shown(const std::string& scene, const std::string& focus) {
  for (const uint64_t limit = Ticks() + 20 * kTicksPerSecond; Ticks() < limit; engine.RunFrame()) {
    auto selected = Framework::GetUISystem().Selected();
    if (scenes.CurrentSceneKey() == scene && !Framework::GetInputManager().inputDisabled && selected &&
        selected->buttonName == focus)
      return true;
  }
  return false;
}

// The buttons go down together for four frames, then up for four.
void Tap(std::vector<Press> presses, int framesAfter = 4) {
  for (const Press& press : presses) press.first->SetButton(press.second, true);
  for (int i = 0; i < 4; ++i) engine.RunFrame();
  for (const Press& press : presses) press.first->SetButton(press.second, false);
  for (int i = 0; i < framesAfter; ++i) engine.RunFrame();
}

Math::Vec3 At(const char* name) { return scenes.FindObject(name)->GetTransform().position; }

TEST(FrontEndPads, KeyPathRolesAndBackThroughEachScreen) {
  UseOffscreenVideo();
  VirtualPad one, two;  // plugged before the backend starts: players 1 and 2
  TestSupport::ScopedWorkingFolder inSource(CORVIDALE_SOURCE_ROOT);
  SetBackend(std::make_unique<FocusedSdlBackend>());
  StartGame();
  AddGameScenes();

  one.SetButton(PAD_A, true);  // held from the splash into the main menu: it only skips the splash
  ASSERT_TRUE(Shown("mainmenu", "Play"));
  Tap({{&one, PAD_A}}, 30);  // the hold ends
  EXPECT_EQ(scenes.NextSceneName(), "mainmenu");
  Tap({{&two, PAD_A}});
  ASSERT_TRUE(Shown("playerselect", "Play"));
  Tap({{&one, PAD_DPAD_LEFT}, {&two, PAD_DPAD_LEFT}});
  EXPECT_EQ(detectiveController, 1) << "player 1 is served first";
  Tap({{&two, PAD_A}}, 60);
  EXPECT_EQ(scenes.NextSceneName(), "playerselect") << "Play waits for both roles";
  Tap({{&two, PAD_DPAD_RIGHT}});
  Tap({{&one, PAD_A}});
  ASSERT_TRUE(Shown("levelselect", "level1_1"));

  Tap({{&one, PAD_DPAD_UP}});  // from the first level up to Back
  Tap({{&one, PAD_A}});
  ASSERT_TRUE(Shown("playerselect", "Play"));
  const PlayerSelection& roles = *scenes.FindObject("RoleSelector")->GetComponent<PlayerSelection>();
  EXPECT_EQ(At("Controller1"), roles.dSpot) << "the roles taken before are shown";
  EXPECT_EQ(At("Controller2"), roles.kSpot);
  Tap({{&one, PAD_DPAD_RIGHT}, {&two, PAD_DPAD_RIGHT}});
  EXPECT_EQ(At("Controller1"), roles.pOneOriginal) << "the opposite way gives the role back";
  EXPECT_EQ(killerController, 2) << "the Killer pressing right stays the Killer";
  Tap({{&two, PAD_DPAD_UP}});
  Tap({{&two, PAD_A}});
  EXPECT_TRUE(Shown("mainmenu", "Play"));
  engine.Shutdown();
  SetBackend(nullptr);
}

}  // namespace
