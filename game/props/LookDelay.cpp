#include "game/props/LookDelay.h"

#include "game/GameRandom.h"

void LookDelay::Advance(float dt, float shortest, float longest) {
  if (shown) return;
  if (timer <= 0.0f) {
    timer = RandomBetween(shortest, longest);
    // A delay of nothing must not be drawn again for ever.
    if (timer <= 0.0f) shown = true;
    return;
  }
  timer -= dt;
  if (timer <= 0.0f) shown = true;
}

void LookDelay::Reset() {
  timer = 0.0f;
  shown = false;
}

std::string SabotageLook(bool sabotageShown, bool available) {
  if (sabotageShown) return available ? "Sabotaged" : "InteractSabotaged";
  return available ? "Normal" : "Interact";
}
