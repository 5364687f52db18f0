#pragma once
#include <functional>

// A countdown that its owner advances once per frame. It reports expiry
// through a callback exactly once per run.
struct CountdownTimer {
  // Starts (or restarts) the countdown and calls the start callback.
  void Start(float duration);
  // Counts down by dt while running; the run that takes the remaining time
  // to 0 or below ends the timer and calls the expiry callback.
  void Advance(float dt);
  // Ends the timer at once without calling back.
  void Stop();

  float remaining = 0.0f;
  float total = 0.0f;
  bool running = false;
  bool done = false;
  std::function<void()> onExpire;
  std::function<void()> onStart;
};
