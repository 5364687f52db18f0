#include <gtest/gtest.h>

#include <algorithm>
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
  EXPECT_TRUE(stalled.Advance(0.0f));  // the debt is worked off one step per frame
  EXPECT_NEAR(stalled.Owed(), 0.05f, 1e-6f);

  StepAccumulator small;
  EXPECT_FALSE(small.Advance(0.01f));
  EXPECT_TRUE(small.Advance(0.01f));
  EXPECT_NEAR(small.Owed(), 0.0033333f, 1e-6f);
}

TEST(CollisionLayers, PlayersAndGuestsPassThroughEachOther) {
  const CollisionLayers layers;
  const bool expected[4][4] = {{true, true, true, true},
                               {true, true, true, true},
                               {true, true, false, false},
                               {true, true, false, false}};
  ASSERT_EQ(layers.Names().size(), 4u);
  EXPECT_EQ(layers.Names()[2], "Players");
  for (unsigned a = 0; a < 4; ++a)
    for (unsigned b = 0; b < 4; ++b) EXPECT_EQ(layers.Collide(a, b), expected[a][b]) << a << "," << b;
  EXPECT_FALSE(layers.Collide(4, 0));
  EXPECT_FALSE(layers.Collide(0, 0xFFFFFFFFu));
}

namespace {

std::vector<std::pair<size_t, size_t>> Sweep(std::vector<SweepCandidate> candidates) {
  const CollisionLayers layers;
  std::vector<std::pair<size_t, size_t>> pairs;
  Framework::SweepPairs(candidates, layers, [&](size_t a, size_t b) {
    pairs.emplace_back(std::min(a, b), std::max(a, b));
  });
  std::sort(pairs.begin(), pairs.end());
  return pairs;
}

}  // namespace

TEST(SweepPairs, FiltersByExtentLayerAndStaticFlag) {
  struct Case {
    const char* name;
    SweepCandidate a, b;
    bool paired;
  };
  const Case cases[] = {
      {"overlapping defaults", {0, 10, 0, false, 0}, {5, 15, 0, false, 1}, true},
      {"touching edges still tested", {0, 10, 0, false, 0}, {10, 20, 0, false, 1}, true},
      {"apart", {0, 10, 0, false, 0}, {10.5f, 20, 0, false, 1}, false},
      {"player against guest", {0, 10, 2, false, 0}, {5, 15, 3, false, 1}, false},
      {"player against player", {0, 10, 2, false, 0}, {5, 15, 2, false, 1}, false},
      {"guest against guest", {0, 10, 3, false, 0}, {5, 15, 3, false, 1}, false},
      {"player against object", {0, 10, 2, false, 0}, {5, 15, 1, false, 1}, true},
      {"guest against default", {0, 10, 3, false, 0}, {5, 15, 0, false, 1}, true},
      {"static against static", {0, 10, 0, true, 0}, {5, 15, 1, true, 1}, false},
      {"static against dynamic", {0, 10, 0, true, 0}, {5, 15, 2, false, 1}, true},
      {"layer out of range", {0, 10, 7, false, 0}, {5, 15, 0, false, 1}, false},
  };
  for (const Case& c : cases) {
    const auto pairs = Sweep({c.b, c.a});  // given out of order on purpose
    EXPECT_EQ(!pairs.empty(), c.paired) << c.name;
  }
}

TEST(SweepPairs, ReportsEveryOverlapOfACrowd) {
  // 60 boxes sharing one extent: every one of the 1,770 pairs is reported,
  // and a far box adds none.
  std::vector<SweepCandidate> crowd;
  for (size_t i = 0; i < 60; ++i) crowd.push_back({0.0f, 1.0f, 0, false, i});
  crowd.push_back({100.0f, 101.0f, 0, false, 60});
  EXPECT_EQ(Sweep(crowd).size(), 60u * 59u / 2u);
}
