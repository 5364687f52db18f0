#include "game/characters/ReloadMeter.h"

#include <algorithm>

#include "game/GameRandom.h"

void ReloadMeter::SetZoneSizes(float goodSize, float perfectSize) {
  halfGood = std::max(goodSize, 0.0f) * 0.5f;
  halfPerf = std::max(perfectSize, 0.0f) * 0.5f;
}

void ReloadMeter::Start(float seconds, int ease) {
  sweep = Utility::LerpStartEnd<float>(0.0f, kBarWidth, ease, seconds);
  // A good zone wider than the bar would push the centre off it; keep the
  // centre on the bar so the zone at least overlaps the arrow's path.
  centre = std::clamp(RandomBetween(halfGood, kBarWidth - halfGood), 0.0f, kBarWidth);
  goodLow = centre - halfGood;
  goodHigh = centre + halfGood;
  perfLow = centre - halfPerf;
  perfHigh = centre + halfPerf;
}

ReloadMeter::Hit ReloadMeter::Judge(float value) const {
  if (perfLow <= value && value <= perfHigh) return Hit::Perfect;
  if (goodLow <= value && value <= goodHigh) return Hit::Good;
  return Hit::Miss;
}
