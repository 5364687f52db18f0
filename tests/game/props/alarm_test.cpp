// The alarm raised by the Detective's real interact key.
#include <gtest/gtest.h>

#include "engine/graphics/Sprite.h"
#include "game/characters/Detective.h"
#include "game/characters/Killer.h"
#include "game/guests/NPC.h"
#include "game/match/Roles.h"
#include "game/props/Alarm.h"
#include "game/props/Poisonable.h"
#include "game/props/User.h"
#include "support/PlayersWorld.h"

namespace {

using AlarmTest = TestSupport::PlayersWorld;

TEST_F(AlarmTest, OnlyTheDetectiveRaisesItOnceACooldownAndItPanicsStrikesAndFrees) {
  TestSupport::ScopedRole role(detectiveController, 1);
  auto& alarm = Spawn<Alarm>("AlarmBox", {0, 0, 0});
  alarm.panic_radius = 300.0f;
  Spawn<Detective>("Detective", {0, -60, 0});
  Killer& killer = Spawn<Killer>("Killer", {0, 60, 0});
  auto& dish = Spawn<Poisonable>("Food_Cake", {0, 140, 0});
  dish.AddUser(killer.user, 5.0f);
  killer.prop = &dish;
  killer.busy = true;
  killer.canMove = false;
  NPC& near = Guest({200, 0, 0});
  NPC& far = Guest({0, -310, 0});
  NPC& body = Guest({-200, 0, 0});
  body.Die(NPC::kKilled);
  int strikes = 0;
  for (NPC* guest : {&near, &far, &body}) guest->AddStrikes = [&](int n) { strikes += n; };
  EXPECT_EQ(alarm.Use(killer.user).status, UseResult::kRefused);
  EXPECT_EQ(alarm.Use(near.user).status, UseResult::kRefused);
  Tap("E");
  EXPECT_EQ(near.currentState, NPC::kPanic);
  EXPECT_NE(far.currentState, NPC::kPanic);
  EXPECT_EQ(strikes, 1);
  EXPECT_TRUE(killer.canMove && !killer.busy && !dish.HasUser(killer.user));
  EXPECT_EQ(alarm.sprite->currentAnimSet, "Interacted");
  Tap("E");
  EXPECT_EQ(strikes, 1) << "cooling down";
  Run(5.0f);
  EXPECT_EQ(alarm.sprite->currentAnimSet, "Cooldown");
  Run(30.0f);
  EXPECT_EQ(alarm.sprite->currentAnimSet, "Normal");
  near.GetOwner()->GetTransform().position.x = 5000.0f;
  Tap("E");
  EXPECT_EQ(strikes, 1) << "nobody in range, no strike";
  EXPECT_GT(alarm.cooldown, 34.0f);
}

}  // namespace
