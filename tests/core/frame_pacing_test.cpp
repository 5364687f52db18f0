// The frame loop's pace on the test backend, whose waits move its clock on
// at once: a frame that finishes early waits out one refresh of the display
// unless the buffer swap already waits for it, and dt covers the wait.
#include <gtest/gtest.h>

#include <vector>

#include "engine/core/Engine.h"
#include "engine/core/FramePacing.h"
#include "support/TestSupport.h"

namespace {

constexpr uint64_t kTwoMilliseconds = 20000;

// A system that takes a set time per update and notes the dt it is handed.
class TimedSystem : public Framework::System {
 public:
  TimedSystem(Platform::TestBackend& clock, uint64_t ticks) : clock_(clock), ticks_(ticks) {}
  std::string GetName() override { return "Timed"; }
  void Update(float frameTime) override {
    seen.push_back(frameTime);
    clock_.AdvanceTicks(ticks_);
  }
  std::vector<float> seen;

 private:
  Platform::TestBackend& clock_;
  uint64_t ticks_;
};

class FramePacing : public testing::Test {
 protected:
  // Runs frames of the given length; returns the engine's dt after the last.
  float RunFrames(uint64_t frameTicks, int frames) {
    Framework::Engine engine;
    TimedSystem system(*backend, frameTicks);
    engine.AddSystem(&system);
    for (int i = 0; i < frames; ++i) EXPECT_TRUE(engine.RunFrame());
    seen = system.seen;
    return engine.dt;
  }

  TestSupport::ScopedTestBackend backend;
  std::vector<float> seen;
};

TEST_F(FramePacing, AnEarlyFrameLastsOneRefreshOfADisplayThatDoesNotSayItsRate) {
  const float dt = RunFrames(kTwoMilliseconds, 3);
  EXPECT_NEAR(dt, 1.0f / 60.0f, 1e-6f);
  EXPECT_EQ(backend->waitCount, 3);
  EXPECT_NEAR(seen[1], 1.0f / 60.0f, 1e-6f) << "the systems see the whole frame, wait included";
  EXPECT_NEAR(seen[2], 1.0f / 60.0f, 1e-6f);
}

TEST_F(FramePacing, TheDisplaysOwnRateSetsTheFrameAndANonsenseRateIsIgnored) {
  backend->refreshRate = 144;
  EXPECT_EQ(Framework::MinimumFrameTicks(*backend), Platform::kTicksPerSecond / 144);
  EXPECT_NEAR(RunFrames(kTwoMilliseconds, 2), 1.0f / 144.0f, 1e-6f);
  backend->refreshRate = 100000;
  EXPECT_EQ(Framework::MinimumFrameTicks(*backend), Platform::kTicksPerSecond / 60);
  backend->refreshRate = -1;
  EXPECT_EQ(Framework::MinimumFrameTicks(*backend), Platform::kTicksPerSecond / 60);
}

TEST_F(FramePacing, SlowFramesAndSwapsThatWaitForTheDisplayAreNotHeldBack) {
  EXPECT_FLOAT_EQ(RunFrames(500000, 2), 0.05f) << "a frame longer than a refresh";
  backend->swapIntervalTaken = true;
  EXPECT_TRUE(backend->SetSwapInterval(1));
  EXPECT_EQ(Framework::MinimumFrameTicks(*backend), 0u);
  EXPECT_FLOAT_EQ(RunFrames(kTwoMilliseconds, 2), 0.002f);
  backend->SetSwapInterval(0);
  EXPECT_NEAR(RunFrames(kTwoMilliseconds, 2), 1.0f / 60.0f, 1e-6f) << "vsync switched off again";
}

}  // namespace
