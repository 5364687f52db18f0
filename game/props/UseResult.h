#pragma once
#include <string>

// The answer of a prop to one use.
struct UseResult {
  enum Status { kFinished = 0, kInUse = 1, kRefused = 2, kOutOfReach = 3 };

  // kFinished also answers a user who walked away while holding a use;
  // kInUse also answers a user turned away by a full prop (kind "full").
  int status = kFinished;
  // "play", "eat", "explosion", "poisoned", "panic", "full", or empty.
  std::string kind;
  float remaining = 0.0f;
  float total = 0.0f;
};
