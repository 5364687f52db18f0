// The Killer played through player 2's real bindings.
#include <gtest/gtest.h>

#include "engine/graphics/EfxManager.h"
#include "engine/graphics/Sprite.h"
#include "engine/physics/AABB.h"
#include "game/characters/Killer.h"
#include "game/match/Roles.h"
#include "game/props/Explodable.h"
#include "game/props/Poisonable.h"
#include "support/PlayersWorld.h"

namespace {

class KillerTest : public TestSupport::PlayersWorld {
 protected:
  void SetUp() override {
    PlayersWorld::SetUp();
    killer = &Spawn<Killer>("Killer", {0, 0, 0});
  }
  TestSupport::ScopedRole role{killerController, 2};
  Killer* killer = nullptr;
};

TEST_F(KillerTest, WalksByKeysAndPadAndWearsOnePanicMarkOnlyWhileRunning) {
    Hold("UP");
  Step();
  EXPECT_EQ(killer->sprite->currentAnimSet, "WalkUp");
  Hold("UP", false);
  backend->SetPad(1, {true, Platform::PAD_DPAD_LEFT});
  Step();
  EXPECT_EQ(killer->sprite->currentAnimSet, "WalkLeft");
  backend->SetPad(1, {false, 0});
  Hold("RSHIFT");
  Run(0.5f);
  EXPECT_EQ(killer->sprite->currentAnimSet, "IdleLeft") << "running on the spot is standing";
  const auto& marks = Framework::EfxManager::Instance().Pools().at("Panic");
  ASSERT_EQ(marks.size(), 1u);
  EXPECT_TRUE(marks[0]->playing && marks[0]->Follows(killer->GetOwner()));
  Hold("RSHIFT", false);
  Step();
  EXPECT_FALSE(marks[0]->playing);
}

TEST_F(KillerTest, InputSwitchedOffMidRunDropsTheBurstAndTheUsesLookOnceItEndsUntilInputComesBack) {
  Spawn<Poisonable>("Food_Buffet", {0, 70, 0});
  Hold("RSHIFT");
  Tap("SLASH");
  killer->inputEnabled = false;
  Step();
  EXPECT_FALSE(killer->panicEffect.lock()->playing);
  EXPECT_EQ(killer->sprite->currentAnimSet, "EatUp") << "the use plays on";
  Run(5.5f);
  EXPECT_EQ(killer->sprite->currentAnimSet, "IdleUp") << "and is not left looping once over";
  killer->inputEnabled = true;
  Step();
  EXPECT_TRUE(killer->panicEffect.lock()->playing) << "run is still held";
}

TEST_F(KillerTest, SabotageHoldsItAtTheDishWithoutEatingAPortionAndOneUseAtATime) {
  auto& dish = Spawn<Poisonable>("Food_Buffet", {0, 70, 0});
  Tap("SLASH");
  EXPECT_TRUE(dish.poisoned && !killer->canMove);
  EXPECT_EQ(killer->sprite->currentAnimSet, "EatUp");
  auto& nearer = Spawn<Poisonable>("Food_Punchbowl", {0, -50, 0});
  Hold("DOWN");
  Tap("RCTRL");
  Run(2.5f);
  EXPECT_EQ(killer->GetOwner()->GetTransform().position.y, 0.0f) << "stands still while using";
  EXPECT_FALSE(nearer.HasUser(killer->user)) << "a second use is not left behind";
  Run(3.0f);
  EXPECT_TRUE(killer->canMove && !dish.HasUser(killer->user));
  EXPECT_EQ(dish.charges, 2) << "the Killer's own use serves no poisoned portion";
}

TEST_F(KillerTest, APropThatBreaksDuringItsUseLetsTheKillerGo) {
  auto& jukebox = Spawn<Explodable>("Jukebox", {0, 70, 0});
  Tap("SLASH");
  ASSERT_TRUE(jukebox.sabotaged && killer->busy);
  jukebox.broken = true;  // a guest's earlier use of it has just set it off
  Step();
  EXPECT_TRUE(killer->canMove && !killer->busy && killer->prop == nullptr);
  Hold("UP");
  Run(0.5f);
  EXPECT_GT(killer->GetOwner()->GetTransform().position.y, 0.0f) << "walks again";
}

TEST_F(KillerTest, HandcuffsSwitchTheBoxOffForGoodAndEndTheInput) {
  killer->Handcuff();
  killer->Handcuff();
  EXPECT_FALSE(killer->alive || killer->GetOwner()->GetComponent<Framework::AABB>()->IsEnabled());
  Hold("UP");
  Step();
  EXPECT_FALSE(killer->moving);
}

TEST_F(KillerTest, NobodyInTheRoleMeansNoInput) {
  TestSupport::ScopedRole nobody(killerController, -1);
  Killer& idle = Spawn<Killer>("Killer", {300, 0, 0});
  auto& dish = Spawn<Poisonable>("Food_Cake", {300, 70, 0});
  for (const char* key : {"UP", "W", "SLASH", "Q", "RCTRL", "E"}) Hold(key);
  Run(0.2f);
  EXPECT_FALSE(idle.moving || dish.poisoned);
}

}  // namespace
