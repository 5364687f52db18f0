// The game's part of a scene switch, through the real scene manager.
#include <gtest/gtest.h>

#include "engine/core/SceneManager.h"
#include "game/GameSceneSteps.h"
#include "game/guests/NPCManager.h"
#include "game/props/InteractionManager.h"
#include "support/CrowdWorld.h"

namespace {

using GameSceneSteps = TestSupport::CrowdWorld;

TEST_F(GameSceneSteps, ASwitchEmptiesTheCrowdAndThePropsAndReopensTheRound) {
  Framework::SceneManager& scenes = Framework::GetSceneManager();
  InstallGameSceneSteps(scenes);
  AddGuest(Math::Vec3(0, 0, 0));
  AddProp(Math::Vec3(100, 0, 0));
  NPCManager& crowd = GetNPCManager();
  crowd.Kills = 7;
  crowd.roundOver = true;
  crowd.MaxKills = 3;
  scenes.AddScene(new Framework::DefaultScene, "next");
  scenes.ChangeScene("next");
  for (int i = 0; i < 10 && scenes.CurrentSceneKey() != "next"; ++i) scenes.Update(0.5f);
  ASSERT_EQ(scenes.CurrentSceneKey(), "next");
  EXPECT_EQ(crowd.Kills, 0);
  EXPECT_FALSE(crowd.roundOver);
  EXPECT_EQ(crowd.MaxKills, 3) << "the match scene sets the target, not the switch";
  EXPECT_TRUE(crowd.npcs.empty());
  EXPECT_TRUE(GetInteractionManager().interactables.empty());
}

}  // namespace
