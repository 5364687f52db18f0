// A rigged prop set off by a guest in a real scene.
#include <gtest/gtest.h>

#include "engine/graphics/Sprite.h"
#include "engine/graphics/Texture.h"
#include "game/guests/NPC.h"
#include "game/guests/NPCManager.h"
#include "game/props/Explodable.h"
#include "game/props/InteractionManager.h"
#include "support/PlayersWorld.h"

namespace {

using ExplodableTest = TestSupport::PlayersWorld;

TEST_F(ExplodableTest, TheBlastKillsExactlyTheLivingInRangeOnceAndTheBurstLeavesWhenItEnds) {
  auto& jukebox = Spawn<Explodable>("Jukebox", {0, 0, 0});
  jukebox.explosion_radius = 300.0f;
  // The template has played to its end before; the burst must start over.
  auto* burst = Spawn("explosion_efx", {9000, 0, 0}).GetComponent<Framework::Sprite>();
  burst->texture = std::make_shared<Framework::Texture>();
  burst->texture->animations[burst->currentAnimSet].frameCount = 3;
  burst->frame = 2;
  NPC& player = Guest({0, -60, 0});
  NPC& edge = Guest({300, 0, 0});
  NPC& outside = Guest({0, 300.5f, 0});
  NPC& body = Guest({0, 100, 0});
  body.Die(NPC::kKilled);
  int strikes = 0;
  for (NPC* guest : {&player, &edge, &outside, &body}) guest->AddStrikes = [&](int n) { strikes += n; };
  jukebox.Sabotage();
  UseResult result;
  for (int i = 0; i < 600 && result.kind != "explosion"; ++i) {
    Step();
    result = jukebox.Use(player.user);
  }
  EXPECT_TRUE(!player.alive && !edge.alive && outside.alive);
  EXPECT_EQ(GetNPCManager().Kills, 3);
  EXPECT_EQ(strikes, 2);
  Step();
  EXPECT_EQ(jukebox.sprite->currentAnimSet, "Broken");
  EXPECT_EQ(jukebox.Use(outside.user).status, UseResult::kRefused);
  EXPECT_EQ(GetInteractionManager().FindNearestInteractable(outside.user).prop, nullptr);
  const auto burstCopy = [this] { return Scene().FindObject("explosion_efx_1"); };
  ASSERT_NE(burstCopy(), nullptr);
  Framework::Sprite* copy = burstCopy()->GetComponent<Framework::Sprite>();
  EXPECT_EQ(copy->frame, 0u);
  Step();
  EXPECT_NE(burstCopy(), nullptr) << "still playing";
  copy->frame = 2;
  Run(0.05f);
  EXPECT_EQ(burstCopy(), nullptr);
}

}  // namespace
