#include "engine/core/CountdownTimer.h"

void CountdownTimer::Start(float duration) {
  remaining = duration;
  total = duration;
  running = true;
  done = false;
  if (onStart) onStart();
}

void CountdownTimer::Advance(float dt) {
  if (!running || remaining <= 0.0f) return;
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
