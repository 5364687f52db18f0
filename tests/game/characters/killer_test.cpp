// The Killer played through player 2's real bindings.
#include <gtest/gtest.h>

#include "engine/graphics/EfxManager.h"
#include "engine/graphics/Sprite.h"
#include "engine/physics/AABB.h"
#include "game/characters/Killer.h"
#include "game/match/Roles.h"
#include "game/props/Poisonable.h"
#include "support/GameWorld.h"

namespace {

class KillerTest : public testing::Test {
 protected:
  TestSupport::ScopedRole role{killerController, 2};
  TestSupport::GameWorld world;
  Killer& killer = world.Spawn<Killer>("Killer", {0, 0, 0});
};

TEST_F(KillerTest, WalksByKeysAndPadAndWearsOnePanicMarkOnlyWhileRunning) {
  world.Spawn("Panic", {0, 0, 0});
  world.Hold("UP");
  world.Frame();
  EXPECT_EQ(killer.sprite->currentAnimSet, "WalkUp");
  world.Hold("UP", false);
  world.backend->SetPad(1, {true, Platform::PAD_DPAD_LEFT});
  world.Frame();
  EXPECT_EQ(killer.sprite->currentAnimSet, "WalkLeft");
  world.backend->SetPad(1, {false, 0});
  world.Hold("RSHIFT");
  world.Run(0.5f);
  EXPECT_EQ(killer.sprite->currentAnimSet, "IdleLeft") << "running on the spot is standing";
  const auto& marks = Framework::EfxManager::Instance().Pools().at("Panic");
  ASSERT_EQ(marks.size(), 1u);
  EXPECT_TRUE(marks[0]->playing && marks[0]->Follows(killer.GetOwner()));
  world.Hold("RSHIFT", false);
  world.Frame();
  EXPECT_FALSE(marks[0]->playing);
}

TEST_F(KillerTest, SabotageHoldsItAtTheDishWithoutEatingAPortionAndOneUseAtATime) {
  auto& dish = world.Spawn<Poisonable>("Food_Buffet", {0, 70, 0});
  world.Tap("SLASH");
  EXPECT_TRUE(dish.poisoned && !killer.canMove);
  EXPECT_EQ(killer.sprite->currentAnimSet, "EatUp");
  auto& nearer = world.Spawn<Poisonable>("Food_Punchbowl", {0, -50, 0});
  world.Hold("DOWN");
  world.Tap("RCTRL");
  world.Run(2.5f);
  EXPECT_EQ(killer.GetOwner()->GetTransform().position.y, 0.0f) << "stands still while using";
  EXPECT_FALSE(nearer.HasUser(killer.user)) << "a second use is not left behind";
  world.Run(3.0f);
  EXPECT_TRUE(killer.canMove && !dish.HasUser(killer.user));
  EXPECT_EQ(dish.charges, 2) << "the Killer's own use serves no poisoned portion";
}

TEST_F(KillerTest, HandcuffsSwitchTheBoxOffForGoodAndEndTheInput) {
  killer.Handcuff();
  killer.Handcuff();
  EXPECT_FALSE(killer.alive || killer.GetOwner()->GetComponent<Framework::AABB>()->IsEnabled());
  world.Hold("UP");
  world.Frame();
  EXPECT_FALSE(killer.moving);
}

TEST_F(KillerTest, NobodyInTheRoleMeansNoInput) {
  TestSupport::ScopedRole nobody(killerController, -1);
  Killer& idle = world.Spawn<Killer>("Killer", {300, 0, 0});
  auto& dish = world.Spawn<Poisonable>("Food_Cake", {300, 70, 0});
  for (const char* key : {"UP", "W", "SLASH", "Q", "RCTRL", "E"}) world.Hold(key);
  world.Run(0.2f);
  EXPECT_FALSE(idle.moving || dish.poisoned);
}

}  // namespace
