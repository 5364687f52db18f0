// The Detective's timing meter: which presses count, and where its zones fall.
#include <gtest/gtest.h>

#include "engine/platform/Platform.h"
#include "game/characters/ReloadMeter.h"

namespace {

using Hit = ReloadMeter::Hit;

TEST(ReloadMeter, BoundsAreHitsPerfectWinsInsideGoodAndTheZoneStaysOnTheBar) {
  ReloadMeter meter;
  meter.Start(1.0f, 0);
  EXPECT_EQ(meter.Judge(meter.perfLow), Hit::Perfect);
  EXPECT_EQ(meter.Judge(meter.perfHigh), Hit::Perfect);
  EXPECT_EQ(meter.Judge(meter.goodLow), Hit::Good);
  EXPECT_EQ(meter.Judge(meter.goodHigh), Hit::Good);
  EXPECT_EQ(meter.Judge(meter.goodHigh + 0.01f), Hit::Miss);
  EXPECT_NEAR(meter.goodHigh - meter.goodLow, 30.0f, 1e-4f);
  for (unsigned seed = 0; seed < 100; ++seed) {
    Platform::SeedRandom(seed);
    meter.Start(1.0f, 0);
    EXPECT_TRUE(meter.goodLow >= 0.0f && meter.goodHigh <= ReloadMeter::kBarWidth) << seed;
  }
  for (float size : {100.0f, 400.0f, -20.0f}) {
    meter.SetZoneSizes(size, size);
    meter.Start(1.0f, 0);
    EXPECT_TRUE(meter.centre >= 0.0f && meter.centre <= ReloadMeter::kBarWidth) << size;
  }
}

}  // namespace
