// A rigged prop set off by a guest in a real scene.
#include <gtest/gtest.h>

#include "engine/graphics/Sprite.h"
#include "engine/graphics/Texture.h"
#include "game/guests/NPC.h"
#include "game/guests/NPCManager.h"
#include "game/props/Explodable.h"
#include "game/props/InteractionManager.h"
#include "support/GameWorld.h"

namespace {

TEST(Explodable, TheBlastKillsExactlyTheLivingInRangeOnceAndTheBurstLeavesWhenItEnds) {
  TestSupport::GameWorld world;
  auto& jukebox = world.Spawn<Explodable>("Jukebox", {0, 0, 0});
  jukebox.explosion_radius = 300.0f;
  // The template has played to its end before; the burst must start over.
  auto* burst = world.Spawn("explosion_efx", {9000, 0, 0}).GetComponent<Framework::Sprite>();
  burst->texture = std::make_shared<Framework::Texture>();
  burst->texture->animations[burst->currentAnimSet].frameCount = 3;
  burst->frame = 2;
  NPC& player = world.Guest({0, -60, 0});
  NPC& edge = world.Guest({300, 0, 0});
  NPC& outside = world.Guest({0, 300.5f, 0});
  NPC& body = world.Guest({0, 100, 0});
  body.Die(NPC::kKilled);
  int strikes = 0;
  for (NPC* guest : {&player, &edge, &outside, &body}) guest->AddStrikes = [&](int n) { strikes += n; };
  jukebox.Sabotage();
  UseResult result;
  for (int i = 0; i < 600 && result.kind != "explosion"; ++i) {
    world.Frame();
    result = jukebox.Use(player.user);
  }
  EXPECT_TRUE(!player.alive && !edge.alive && outside.alive);
  EXPECT_EQ(GetNPCManager().Kills, 3);
  EXPECT_EQ(strikes, 2);
  world.Frame();
  EXPECT_EQ(jukebox.sprite->currentAnimSet, "Broken");
  EXPECT_EQ(jukebox.Use(outside.user).status, UseResult::kRefused);
  EXPECT_EQ(GetInteractionManager().FindNearestInteractable(outside.user).prop, nullptr);
  auto blasts = world.Scene().FindObjectsByTag("efx");
  ASSERT_EQ(blasts.size(), 2u);
  Framework::Sprite* copy = blasts[1]->GetComponent<Framework::Sprite>();
  EXPECT_EQ(copy->frame, 0u);
  world.Frame();
  EXPECT_EQ(world.Scene().FindObjectsByTag("efx").size(), 2u) << "still playing";
  copy->frame = 2;
  world.Run(0.05f);
  EXPECT_EQ(world.Scene().FindObjectsByTag("efx").size(), 1u);
}

}  // namespace
