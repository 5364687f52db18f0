#include "engine/core/EventSystem.h"

#include <cmath>
#include <utility>

#include "engine/core/Engine.h"

namespace Framework {

Event::Event(std::function<bool(float)> stepFunction) : step(std::move(stepFunction)) {}

Event::Event(std::function<void()> callback)
    : step([callback = std::move(callback)](float dt) { return RunOnce(dt, callback); }) {}

bool Event::RunOnce(float, const std::function<void()>& callback) {
  if (callback) callback();
  return true;
}

bool TimedEvent::Phase::Advance(float dt) {
  if (done) return true;
  // One broken frame time must not leave the phase, and with it the whole
  // queue behind it, waiting for ever.
  if (!std::isfinite(dt)) return false;
  elapsed += dt;
  done = elapsed >= duration;
  return done;
}

TimedEvent::TimedEvent(float delay, float duration, std::function<void()> callbackFunction)
    : Event([this](float dt) { return Step(dt); }),
      callback(std::move(callbackFunction)),
      delayPhase(delay),
      holdPhase(duration) {}

bool TimedEvent::Step(float dt) {
  if (!delayPhase.done) {
    delayPhase.Advance(dt);
    return false;
  }
  // The callback runs once, on the first step after the delay, even when
  // that step and the following ones come with a frame time of 0.
  if (!calledBack) {
    calledBack = true;
    if (callback) callback();
  }
  if (holdPhase.done) return true;
  return holdPhase.Advance(dt);
}

std::unique_ptr<Event> MakeEvent(const std::function<void()>& callback) {
  return std::make_unique<Event>(callback);
}

std::unique_ptr<Event> MakeTimedEvent(const float& delay, const float& duration,
                                      const std::function<void()>& callback) {
  return std::make_unique<TimedEvent>(delay, duration, callback);
}

void EventSystem::Update(float dt) {
  if (queue.empty() || GetEngine().paused || running) return;
  running = std::move(queue.front());
  queue.pop_front();
  clearedWhileRunning = false;
  const bool done = !running->step || running->step(dt);
  // Events added by the callback went to the back; an unfinished event goes
  // back to the front unless the callback cleared the queue.
  if (!done && !clearedWhileRunning) queue.push_front(std::move(running));
  running.reset();
}

void EventSystem::AddEvent(std::unique_ptr<Event> event) {
  if (event) queue.push_back(std::move(event));
}

void EventSystem::ClearEvents() {
  queue.clear();
  if (running) clearedWhileRunning = true;
}

EventSystem& GetEventSystem() {
  static EventSystem instance;
  return instance;
}

}  // namespace Framework
