#pragma once
#include <cmath>

#include "engine/core/Vector.h"

namespace Framework {

inline float LengthSquared(const Math::Vector3<float>& v) { return Math::Dot(v, v); }
inline bool IsFinite(const Math::Vector3<float>& v) {
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

}  // namespace Framework
