// The game's part of a scene switch, through the real scene manager.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/app/EngineWiring.h"
#include "engine/core/SceneManager.h"
#include "game/GameSceneSteps.h"
#include "game/guests/NPCManager.h"
#include "game/props/InteractionManager.h"
#include "support/TestSupport.h"

namespace {

TEST(GameSceneSteps, ASwitchEmptiesTheCrowdAndThePropsAndReopensTheRound) {
  TestSupport::ScopedTestBackend backend;
  TestSupport::TempFolder temp;
  TestSupport::ScopedWorkingFolder cwd(temp.Path());
  std::filesystem::create_directories(temp.Path() / "Resources");
  Framework::SceneManager& scenes = Framework::GetSceneManager();
  scenes.Shutdown();
  Framework::WireEngine();
  scenes.Initialize();
  InstallGameSceneSteps(scenes);

  NPCManager& crowd = GetNPCManager();
  scenes.AddScene(new Framework::DefaultScene, "first");
  scenes.AddScene(new Framework::DefaultScene, "second");
  scenes.ChangeScene("first");
  scenes.Update(0.0f);

  // Left over from the first scene's round.
  crowd.Kills = 7;
  crowd.roundOver = true;
  crowd.MaxKills = 3;
  crowd.npcs.insert(reinterpret_cast<NPC*>(&crowd));
  GetInteractionManager().interactables.insert(reinterpret_cast<Interactable*>(&crowd));

  scenes.ChangeScene("second");
  for (int i = 0; i < 10 && scenes.CurrentSceneKey() != "second"; ++i) scenes.Update(0.5f);
  ASSERT_EQ(scenes.CurrentSceneKey(), "second");
  EXPECT_EQ(crowd.Kills, 0);
  EXPECT_FALSE(crowd.roundOver);
  EXPECT_EQ(crowd.MaxKills, 3) << "the match scene sets the target, not the switch";
  EXPECT_TRUE(crowd.npcs.empty());
  EXPECT_TRUE(GetInteractionManager().interactables.empty());
  scenes.Shutdown();
}

}  // namespace
