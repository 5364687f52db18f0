#include "game/GameRandom.h"

#include "engine/platform/Platform.h"

namespace {

float Draw() { return static_cast<float>(Platform::Random()); }

}  // namespace

float RandomBetween(float min, float max) {
  if (!(max > min)) return min;
  return Draw() / (static_cast<float>(Platform::kRandomMax) / (max - min)) + min;
}

float RandomScaled(float divisor, float offset) { return Draw() / divisor + offset; }

int RandomIndex(int count) { return count > 0 ? Platform::Random() % count : 0; }
