#pragma once
#include <algorithm>
#include <cstddef>
#include <vector>

#include "engine/physics/CollisionLayers.h"

namespace Framework {

// One box as the broad phase sees it: its extent on the sweep axis, the
// collision layer and static flag of its body, and the caller's handle.
struct SweepCandidate {
  float min = 0.0f;
  float max = 0.0f;
  unsigned layer = 0;
  bool isStatic = false;
  size_t handle = 0;
};

// Sorts the candidates by their minimum and reports every pair whose extents
// overlap or touch, whose layers collide and that are not both static. Each
// inner scan stops at the first box that starts beyond box i, so the cost is
// one sort plus the number of near pairs.
template <class OnPair>
void SweepPairs(std::vector<SweepCandidate>& candidates, const CollisionLayers& layers,
                OnPair&& onPair) {
  std::sort(candidates.begin(), candidates.end(),
            [](const SweepCandidate& a, const SweepCandidate& b) { return a.min < b.min; });
  const size_t count = candidates.size();
  for (size_t i = 0; i < count; ++i) {
    const SweepCandidate& first = candidates[i];
    for (size_t j = i + 1; j < count; ++j) {
      const SweepCandidate& second = candidates[j];
      if (second.min > first.max) break;
      if (!layers.Collide(first.layer, second.layer)) continue;
      if (first.isStatic && second.isStatic) continue;
      onPair(first.handle, second.handle);
    }
  }
}

}  // namespace Framework
