#pragma once
// The Detective's timing meter: an arrow sweeps a bar of 100 units with an
// eased tween; a press while the arrow is inside the good zone, or the
// narrower perfect zone at its centre, counts as a hit. The zone is placed
// at random for every sweep.
#include "engine/core/Lerp.h"

class ReloadMeter {
 public:
  enum class Hit { Miss, Good, Perfect };
  static constexpr float kBarWidth = 100.0f;

  // Widths of the good and perfect zones in bar units; a negative width is
  // taken as 0 so the zones can never turn inside out.
  void SetZoneSizes(float goodSize, float perfectSize);
  // A new sweep over `seconds` along easing `ease` (0 to 3), with a zone
  // centre drawn so the good zone lies on the bar.
  void Start(float seconds, int ease);
  // Bounds count as inside; a perfect value is never reported as good.
  Hit Judge(float value) const;
  Hit JudgeArrow() const { return Judge(ArrowValue()); }
  float ArrowValue() const { return sweep.GetValue(); }
  void Advance(float dt) { sweep.Update(dt); }
  bool SweepDone() const { return sweep.IsDone(); }

  float halfGood = 15.0f;
  float halfPerf = 5.0f;
  float centre = 50.0f;
  float goodLow = 0.0f, goodHigh = 0.0f;
  float perfLow = 0.0f, perfHigh = 0.0f;
  Utility::LerpStartEnd<float> sweep;
};
