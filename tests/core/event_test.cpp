#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "engine/core/CountdownTimer.h"
#include "engine/core/Engine.h"
#include "engine/core/EventSystem.h"
#include "engine/core/Lerp.h"

using Framework::EventSystem;
using Framework::MakeEvent;
using Framework::MakeTimedEvent;

namespace {

class EventQueueTest : public ::testing::Test {
 protected:
  void TearDown() override { Framework::GetEngine().paused = false; }
  // Runs frames of the given dt until the queue is empty; returns the count.
  int FramesUntilEmpty(float dt, int limit = 1000) {
    int frames = 0;
    while (events.QueuedCount() > 0 && frames < limit) {
      events.Update(dt);
      ++frames;
    }
    return frames;
  }
  EventSystem events;
  std::vector<std::string> log;
};

TEST_F(EventQueueTest, PlainEventsRunInConsecutiveFrames) {
  events.AddEvent(MakeEvent([this] { log.push_back("a"); }));
  events.AddEvent(MakeEvent([this] { log.push_back("b"); }));
  events.Update(0.0f);
  EXPECT_EQ(log, std::vector<std::string>{"a"});
  events.Update(0.0f);
  EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(events.QueuedCount(), 0u);
}

TEST_F(EventQueueTest, ZeroDelayCallsAtOnceAndHoldsForTheDuration) {
  int calls = 0;
  events.AddEvent(MakeTimedEvent(0.0f, 3.0f, [&] { ++calls; }));
  events.Update(0.5f);
  EXPECT_EQ(calls, 1);
  // 0.5 counted on the callback frame; 2.5 more needed: five more frames.
  for (int i = 0; i < 4; ++i) events.Update(0.5f);
  EXPECT_EQ(events.QueuedCount(), 1u);
  events.Update(0.5f);
  EXPECT_EQ(events.QueuedCount(), 0u);
  EXPECT_EQ(calls, 1);
}

TEST_F(EventQueueTest, DelayThenZeroDurationEndsOnTheCallbackFrame) {
  int calls = 0;
  events.AddEvent(MakeTimedEvent(0.1f, 0.0f, [&] { ++calls; }));
  events.Update(0.05f);
  events.Update(0.05f);  // the delay has accumulated
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(events.QueuedCount(), 1u);
  events.Update(0.05f);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(events.QueuedCount(), 0u);
}

TEST_F(EventQueueTest, TimedCallbackRunsOnceEvenWithZeroFrameTimes) {
  int calls = 0;
  events.AddEvent(MakeTimedEvent(0.0f, 1.0f, [&] { ++calls; }));
  for (int i = 0; i < 5; ++i) events.Update(0.0f);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(FramesUntilEmpty(0.25f), 4);
  EXPECT_EQ(calls, 1);
}

TEST_F(EventQueueTest, PauseFreezesTheFrontEvent) {
  int calls = 0;
  events.AddEvent(MakeTimedEvent(1.0f, 0.0f, [&] { ++calls; }));
  events.Update(0.6f);
  Framework::GetEngine().paused = true;
  for (int i = 0; i < 10; ++i) events.Update(1.0f);
  EXPECT_EQ(calls, 0);
  Framework::GetEngine().paused = false;
  events.Update(0.3f);  // 0.9 of 1.0: still waiting
  EXPECT_EQ(calls, 0);
  events.Update(0.1f);
  events.Update(0.0f);
  EXPECT_EQ(calls, 1);
}

TEST_F(EventQueueTest, ClearEventsDeletesAWaitingEvent) {
  auto alive = std::make_shared<int>(0);
  std::weak_ptr<int> watch = alive;
  events.AddEvent(MakeTimedEvent(5.0f, 1.0f, [alive] { ++*alive; }));
  alive.reset();
  events.Update(1.0f);
  events.ClearEvents();
  EXPECT_EQ(events.QueuedCount(), 0u);
  EXPECT_TRUE(watch.expired()) << "the cleared event still holds its callback";
  events.Update(10.0f);
}

TEST_F(EventQueueTest, CallbacksMayQueueAndClearEvents) {
  events.AddEvent(MakeEvent([this] {
    log.push_back("first");
    events.AddEvent(MakeEvent([this] { log.push_back("queued by first"); }));
  }));
  events.AddEvent(MakeEvent([this] { log.push_back("second"); }));
  FramesUntilEmpty(0.0f);
  EXPECT_EQ(log, (std::vector<std::string>{"first", "second", "queued by first"}));

  // A holding event whose callback clears the queue removes itself too.
  log.clear();
  events.AddEvent(MakeTimedEvent(0.0f, 5.0f, [this] { events.ClearEvents(); }));
  events.AddEvent(MakeEvent([this] { log.push_back("never"); }));
  events.Update(0.1f);
  EXPECT_EQ(events.QueuedCount(), 0u);
  EXPECT_TRUE(log.empty());
}

TEST_F(EventQueueTest, NonFiniteFrameTimesAreIgnoredByEventsTimersAndTweens) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  int calls = 0;
  events.AddEvent(MakeTimedEvent(0.5f, 0.5f, [&] { ++calls; }));
  events.Update(nan);
  events.Update(inf);
  EXPECT_EQ(FramesUntilEmpty(0.25f), 4) << "the delay and the hold still run their full length";
  EXPECT_EQ(calls, 1);

  CountdownTimer timer;
  timer.Start(1.0f);
  timer.Advance(nan);
  timer.Advance(inf);
  EXPECT_TRUE(timer.running);
  EXPECT_FLOAT_EQ(timer.remaining, 1.0f);

  Utility::LerpStartEnd<float> tween(0.0f, 1.0f, Utility::Linear, 1.0f);
  tween.Update(nan);
  tween.Update(0.5f);
  EXPECT_FLOAT_EQ(tween.GetValue(), 0.5f);
}

TEST(CountdownTimerTest, ExpiresOnceOnTheAdvanceThatReachesZero) {
  CountdownTimer timer;
  int starts = 0, expiries = 0;
  timer.onStart = [&] { ++starts; };
  timer.onExpire = [&] { ++expiries; };
  timer.Start(1.0f);
  EXPECT_EQ(starts, 1);
  timer.Advance(0.4f);
  timer.Advance(0.4f);
  EXPECT_TRUE(timer.running);
  timer.Advance(0.4f);
  EXPECT_FALSE(timer.running);
  EXPECT_TRUE(timer.done);
  EXPECT_EQ(timer.remaining, 0.0f);
  timer.Advance(0.4f);
  EXPECT_EQ(expiries, 1);
}

TEST(CountdownTimerTest, StopAndZeroRemainingNeverCallBack) {
  CountdownTimer timer;
  int expiries = 0;
  timer.onExpire = [&] { ++expiries; };
  timer.Start(1.0f);
  timer.Stop();
  EXPECT_TRUE(timer.done);
  EXPECT_FALSE(timer.running);

  timer.Start(0.0f);  // running, nothing left: only a positive time can run out
  timer.Advance(1.0f);
  EXPECT_TRUE(timer.running);
  EXPECT_EQ(expiries, 0);
}

}  // namespace
