#pragma once
// The five scene objects that draw the Detective's timing meter: the frame,
// the red bar, the yellow (good) and green (perfect) zones and the arrow.
// Any of them may be missing from a scene; a missing one is skipped.
#include "engine/core/Vector.h"

namespace Framework {
class GameObject;
class VScene;
struct EfxBounds;
}  // namespace Framework

class MeterDisplay {
 public:
  // The art of the two zones is this many units wide at scale 1.
  static constexpr float kZoneArtWidth = 5.0f;

  // Looks the five objects up by name in scene (all empty without one).
  void Find(Framework::VScene* scene);
  // Stretches the zone objects to their widths in bar units.
  void ScaleZones(float goodSize, float perfectSize);
  // Where a meter asked for at `middle` shows whole in `view`, the arrow at
  // either end of its sweep included: moved only as far as it must.
  Math::Vec3 FitInto(Math::Vec3 middle, const Framework::EfxBounds& view) const;
  // Lays the meter out centred at `middle`, with the zones around `centre`
  // (bar units from the left end) and the arrow at the left end.
  void Place(const Math::Vec3& middle, float centre);
  // Moves every part `distance` units to the right, off the screen.
  void MoveAway(float distance);
  // Puts the arrow `value` bar units from the left end of the placed bar.
  void SetArrow(float value);
  bool IsFound() const;

  Framework::GameObject* frame = nullptr;
  Framework::GameObject* fillRed = nullptr;
  Framework::GameObject* fillYellow = nullptr;
  Framework::GameObject* fillGreen = nullptr;
  Framework::GameObject* arrow = nullptr;

 private:
  // How far the parts reach from the bar's middle, the arrow's sweep included.
  Math::Vec2 Reach() const;

  float barMiddleX = 0.0f;
};
