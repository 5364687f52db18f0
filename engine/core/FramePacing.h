#pragma once
// The frame loop's pace when the buffer swap does not wait for the display
// (a driver that refuses vsync): without it, frames would be drawn as fast
// as the machine allows and keep several cores busy for nothing a player
// can see.
#include <cstdint>

#include "engine/platform/Platform.h"

namespace Framework {

// Assumed when the display does not say.
constexpr int kFallbackRefreshRate = 60;

// Ticks a frame lasts at least: 0 when the swap waits for the display
// itself, else one refresh period of the window's display.
uint64_t MinimumFrameTicks(Platform::Backend& platform);

// Waits until the frame begun at frameStart has lasted its minimum.
void WaitOutFrame(Platform::Backend& platform, uint64_t frameStart);

}  // namespace Framework
