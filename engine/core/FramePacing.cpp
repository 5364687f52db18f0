#include "engine/core/FramePacing.h"

namespace Framework {

namespace {

// Rates outside this range are taken for a display that does not know.
constexpr int kLowestRefreshRate = 20;
constexpr int kHighestRefreshRate = 1000;

}  // namespace

uint64_t MinimumFrameTicks(Platform::Backend& platform) {
  if (platform.SwapWaitsForDisplay()) return 0;
  int rate = platform.RefreshRate();
  if (rate < kLowestRefreshRate || rate > kHighestRefreshRate) rate = kFallbackRefreshRate;
  return Platform::kTicksPerSecond / static_cast<uint64_t>(rate);
}

void WaitOutFrame(Platform::Backend& platform, uint64_t frameStart) {
  const uint64_t minimum = MinimumFrameTicks(platform);
  if (minimum != 0) platform.WaitUntil(frameStart + minimum);
}

}  // namespace Framework
