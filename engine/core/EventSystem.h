#pragma once
#include <deque>
#include <functional>
#include <memory>

#include "engine/core/System.h"

namespace Framework {

// One entry of the event queue. Its step gets the frame time and reports
// whether the event is done. Events are owned by the queue and never
// copied: a timed event's step is bound to the event itself.
struct Event {
  explicit Event(std::function<bool(float)> step);
  // A plain event: runs the callback once and is done.
  explicit Event(std::function<void()> callback);
  virtual ~Event() = default;
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

  static bool RunOnce(float dt, const std::function<void()>& callback);

  std::function<bool(float)> step;
};

// Waits `delay` seconds, runs its callback once, then holds the queue for
// `duration` seconds (counted from and including the callback's frame).
struct TimedEvent : public Event {
  TimedEvent(float delay, float duration, std::function<void()> callback);
  bool Step(float dt);

  std::function<void()> callback;

 private:
  // How far one phase (the delay or the hold) has run.
  struct Phase {
    explicit Phase(float length) : duration(length), done(length <= 0.0f) {}
    // Adds dt; true once the phase has run its full length.
    bool Advance(float dt);
    float elapsed = 0.0f;
    float duration;
    bool done;
  };

  Phase delayPhase;
  Phase holdPhase;
  bool calledBack = false;
};

std::unique_ptr<Event> MakeEvent(const std::function<void()>& callback);
// The delay comes first, then the duration.
std::unique_ptr<Event> MakeTimedEvent(const float& delay, const float& duration,
                                      const std::function<void()>& callback);

// First-in-first-out queue of events: only the front event steps, once per
// frame while the engine is not paused.
class EventSystem : public System {
 public:
  std::string GetName() override { return "EventSystem"; }
  void Update(float dt) override;
  void Shutdown() override { ClearEvents(); }

  void AddEvent(std::unique_ptr<Event> event);
  // Deletes every queued event, including the one that is half-way through.
  void ClearEvents();
  std::size_t QueuedCount() const { return queue.size() + (running ? 1 : 0); }

 private:
  std::deque<std::unique_ptr<Event>> queue;
  // The front event while its step runs. It is taken out of the queue so a
  // callback may add or clear events without pulling it from under itself.
  std::unique_ptr<Event> running;
  bool clearedWhileRunning = false;
};

EventSystem& GetEventSystem();

}  // namespace Framework
