// Characters choose the directional variant of an animation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/graphics/Sprite.h"
#include "game/guests/NPC.h"
#include "support/CrowdWorld.h"

namespace {

using CharacterTest = TestSupport::CrowdWorld;

struct Facing {
  Math::Vec3 direction;
  std::string animation;
  std::string played;  // the sprite's animation afterwards
  float width;         // the sprite's width afterwards
};

TEST_F(CharacterTest, PlayAnimationPicksTheDirectionalVariantAndMirrorsTheRightSide) {
  NPC& guest = AddGuest(Math::Vec3(0, 0, 0));
  ASSERT_NE(guest.sprite, nullptr);
  // Before any movement a zero direction starts nothing.
  guest.PlayAnimation(Math::Vec3(0, 0, 0), "Walk", true);
  EXPECT_EQ(guest.sprite->currentAnimSet, "IdleDown");
  const std::vector<Facing> steps = {
      {{1, 1, 0}, "Walk", "WalkUp", 96.0f},      // a diagonal of equal parts is vertical
      {{2, 1, 0}, "Walk", "WalkLeft", -96.0f},   // right: the left art mirrored
      {{0, 0, 0}, "Idle", "IdleLeft", -96.0f},   // stopping keeps facing right
      {{-2, 1, 0}, "Run", "RunLeft", 96.0f},     // left: the width is positive again
      {{-3, 0, 0}, "Run", "RunLeft", 96.0f},     // and stays positive
      {{0, -1, 0}, "Eat", "EatDown", 96.0f},
      {{5, 0, 0}, "Death", "Death", -96.0f},     // no direction in the name, still mirrored
  };
  for (const Facing& step : steps) {
    guest.PlayAnimation(step.direction, step.animation, step.animation != "Death");
    EXPECT_EQ(guest.sprite->currentAnimSet, step.played) << step.animation;
    EXPECT_FLOAT_EQ(guest.sprite->size.x, step.width) << step.played;
  }
  EXPECT_FALSE(guest.sprite->loop) << "the loop flag follows the call";
  guest.sprite = nullptr;  // a character without a sprite still turns
  guest.PlayAnimation(Math::Vec3(0, 1, 0), "Walk", true);
  EXPECT_EQ(guest.lastDirection, Math::Vec3(0, 1, 0));
}

}  // namespace
