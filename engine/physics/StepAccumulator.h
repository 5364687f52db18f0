#pragma once

namespace Framework {

// Turns variable frame times into fixed physics steps: at most one step per
// frame, and the time owed is capped so a long stall does not make the
// simulation race to catch up.
class StepAccumulator {
 public:
  static constexpr float kStep = 0.016666668f;  // 1/60 s
  static constexpr float kCap = 0.083333336f;   // 1/12 s

  // Adds a frame's time; true when one step is due (its time is then taken off).
  // A frame time that is negative or not a number counts as none: added in,
  // it could leave the debt NaN or hugely negative, and no step would ever
  // run again.
  bool Advance(float dt) {
    if (!(dt > 0.0f)) dt = 0.0f;
    owed += dt;
    if (owed > kCap) owed = kCap;
    if (owed > kStep) {
      owed -= kStep;
      return true;
    }
    return false;
  }

  void Clear() { owed = 0.0f; }
  float Owed() const { return owed; }

 private:
  float owed = 0.0f;
};

}  // namespace Framework
