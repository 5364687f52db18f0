#include "game/guests/states/FSM_POISONED.h"

#include "engine/graphics/Sprite.h"
#include "game/GameRandom.h"
#include "game/guests/NPC.h"

void FSM_POISONED::Enter() {
  poisonTimer = RandomScaled(10922.333f, 2.0f);
  if (owner->sprite) owner->sprite->colour = Math::Vec4(0, 1, 0, 1);
}

void FSM_POISONED::Execute() {
  // The death comes on the first frame after the timer has run out.
  if (poisonTimer <= 0.0f) owner->Die(NPC::kKilled);
  poisonTimer -= FrameTime();
}
