#pragma once
#include <cmath>

#include "engine/core/Vector.h"

namespace Math {

// v divided by its length; a zero vector stays zero rather than becoming NaN.
inline Vector3<float> Normalized(const Vector3<float>& v) {
  const float length = Length(v);
  if (!(length > 0.0f)) return Vector3<float>();
  return v / length;
}

}  // namespace Math

namespace Framework {

inline float LengthSquared(const Math::Vector3<float>& v) { return Math::Dot(v, v); }
inline bool IsFinite(const Math::Vector3<float>& v) {
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

}  // namespace Framework
