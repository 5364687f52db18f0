// A dish the Killer poisons through its real keys, eaten by real guests.
#include <gtest/gtest.h>

#include "engine/graphics/Sprite.h"
#include "engine/platform/Platform.h"
#include "game/characters/Killer.h"
#include "game/guests/NPC.h"
#include "game/match/Roles.h"
#include "game/props/Poisonable.h"
#include "support/PlayersWorld.h"

namespace {

class PoisonableTest : public TestSupport::PlayersWorld {
 protected:
  // Lets one guest go and eat, and waits for the end of its meal and of any poison.
  bool EatsAndSurvives(NPC& guest) {
    guest.SetEnabled(true);
    guest.ChangeState(NPC::kBored);
    for (int i = 0; i < 900 && guest.currentState == NPC::kBored; ++i) Step();
    Run(6.0f);
    guest.SetEnabled(false);
    return guest.alive;
  }
};

TEST_F(PoisonableTest, TwoPoisonedPortionsThenSafeWithTheLookFollowingTheDelay) {
  TestSupport::ScopedRole role(killerController, 2);
  Platform::SeedRandom(5);
  auto& dish = Spawn<Poisonable>("Food_Buffet", {0, 0, 0});
  dish.PoisonedChargesMax = 2;
  Killer& killer = Spawn<Killer>("Killer", {0, -70, 0});
  Tap("SLASH");
  ASSERT_TRUE(dish.poisoned);
  Run(5.5f);
  ASSERT_FALSE(killer.busy);
  EXPECT_EQ(dish.sprite->currentAnimSet, "Normal") << "the look waits 8 to 10 s";
  Run(5.0f);
  EXPECT_EQ(dish.sprite->currentAnimSet, "Sabotaged");
  killer.GetOwner()->GetTransform().position.x = 5000.0f;
  NPC* guests[] = {&Guest({-40, -60, 0}), &Guest({40, -60, 0}), &Guest({0, -60, 0})};
  EXPECT_FALSE(EatsAndSurvives(*guests[0]));
  EXPECT_FALSE(EatsAndSurvives(*guests[1]));
  EXPECT_EQ(dish.sprite->currentAnimSet, "Normal") << "clean again";
  EXPECT_TRUE(EatsAndSurvives(*guests[2]));
  dish.Sabotage();
  Run(7.5f);
  EXPECT_EQ(dish.sprite->currentAnimSet, "Normal") << "a new poisoning waits a fresh delay";
}

}  // namespace
