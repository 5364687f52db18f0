#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "engine/physics/CollisionLayers.h"
#include "engine/physics/StepAccumulator.h"
#include "engine/physics/SweepAndPrune.h"

using Framework::CollisionLayers;
using Framework::StepAccumulator;
using Framework::SweepCandidate;

TEST(StepAccumulator, RunsAtMostOneStepAndKeepsTheRest) {
  StepAccumulator clock;
  EXPECT_TRUE(clock.Advance(0.02f));
  EXPECT_NEAR(clock.Owed(), 0.0033333f, 1e-6f);

  StepAccumulator stalled;
  EXPECT_TRUE(stalled.Advance(0.5f));  // capped at 1/12 s, still one step
  EXPECT_NEAR(stalled.Owed(), 0.06666667f, 1e-6f);

  StepAccumulator small;
  EXPECT_FALSE(small.Advance(0.01f));
  EXPECT_TRUE(small.Advance(0.01f));

  // A broken frame time must not stall the simulation for good.
  StepAccumulator broken;
  EXPECT_FALSE(broken.Advance(std::numeric_limits<float>::quiet_NaN()));
  EXPECT_FALSE(broken.Advance(-1e30f));
  EXPECT_TRUE(broken.Advance(0.02f));
  EXPECT_NEAR(broken.Owed(), 0.0033333f, 1e-6f);
}

TEST(CollisionLayers, PlayersAndGuestsPassThroughEachOther) {
  const CollisionLayers layers;
  EXPECT_TRUE(layers.Collide(2, 0));
  EXPECT_TRUE(layers.Collide(1, 3));
  EXPECT_FALSE(layers.Collide(2, 3));
  EXPECT_FALSE(layers.Collide(3, 3));
  EXPECT_FALSE(layers.Collide(4, 0));  // outside the table: never
}

TEST(SweepPairs, TouchingExtentsAreTestedAndStaticPairsAreNot) {
  const CollisionLayers layers;
  std::vector<SweepCandidate> candidates = {
      {10, 20, 0, false, 1},    // touches box 0
      {0, 10, 0, false, 0},
      {20.5f, 30, 0, true, 2},  // apart from 0, touches nothing
      {25, 35, 1, true, 3},     // static like box 2
  };
  std::vector<std::pair<size_t, size_t>> pairs;
  Framework::SweepPairs(candidates, layers, [&](size_t a, size_t b) { pairs.emplace_back(a, b); });
  EXPECT_EQ(pairs, (std::vector<std::pair<size_t, size_t>>{{0, 1}}));
}
