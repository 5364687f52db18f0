#include "engine/core/CountdownTimer.h"

#include <cmath>

void CountdownTimer::Start(float duration) {
  remaining = duration;
  total = duration;
  running = true;
  done = false;
  if (onStart) onStart();
}

void CountdownTimer::Advance(float dt) {
  // A non-finite frame time would end the countdown at once.
  if (!running || remaining <= 0.0f || !std::isfinite(dt)) return;
  remaining -= dt;
  if (remaining > 0.0f) return;
  remaining = 0.0f;
  running = false;
  done = true;
  if (onExpire) onExpire();
}

void CountdownTimer::Stop() {
  remaining = 0.0f;
  running = false;
  done = true;
}
