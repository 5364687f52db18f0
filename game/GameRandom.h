#pragma once
// The game's random draws, all through the platform's 15-bit generator
// (0 to 32767) in float arithmetic, so a seeded run repeats exactly.

// rand() / (32767 / (max - min)) + min: a value from min to max. A range
// with max at or below min gives min (the formula would divide by zero or
// go below min).
float RandomBetween(float min, float max);

// rand() / divisor + offset, for the draws with a fixed span (rand() / 32767
// + 1.0 is 1 to 2 seconds, rand() / 10922.333 is 0 to 3).
float RandomScaled(float divisor, float offset);

// rand() % count: 0 to count - 1.
int RandomIndex(int count);
