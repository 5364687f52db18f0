#include "engine/core/Lerp.h"

#include <cmath>

namespace Utility {

namespace {

constexpr float kEpsilon = 1.1920929e-7f;

float Finalize(float seconds) { return seconds == 0.0f ? 1.0f : seconds; }

bool Near(float a, float b) { return std::fabs(a - b) < kEpsilon; }

// Floats must match exactly; vectors count as equal within float epsilon.
bool Coincide(float a, float b) { return a == b; }
bool Coincide(const Math::Vec2& a, const Math::Vec2& b) { return Near(a.x, b.x) && Near(a.y, b.y); }
bool Coincide(const Math::Vec3& a, const Math::Vec3& b) {
  return Near(a.x, b.x) && Near(a.y, b.y) && Near(a.z, b.z);
}
bool Coincide(const Math::Vec4& a, const Math::Vec4& b) {
  return Near(a.x, b.x) && Near(a.y, b.y) && Near(a.z, b.z) && Near(a.w, b.w);
}

}  // namespace

template <typename T>
LerpStartEnd<T>::LerpStartEnd() {
  SetEaseType(Linear);
}

template <typename T>
LerpStartEnd<T>::LerpStartEnd(const T& startValue, const T& endValue, int ease, float seconds)
    : start(startValue),
      end(endValue),
      change(endValue - startValue),
      duration(Finalize(seconds)),
      easeType(ease) {
  if (ease >= Linear && ease <= BounceOut) SetEaseType(ease);
  done = Coincide(start, end);
}

template <typename T>
LerpStartEnd<T>::LerpStartEnd(const LerpStartEnd& other)
    : start(other.start),
      end(other.end),
      change(other.change),
      elapsed(other.elapsed),
      duration(other.duration),
      done(other.done),
      easeType(other.easeType) {
  SetEaseType(other.boundEase);
}

template <typename T>
LerpStartEnd<T>& LerpStartEnd<T>::operator=(const LerpStartEnd& other) {
  if (this == &other) return *this;
  start = other.start;
  end = other.end;
  change = other.change;
  elapsed = other.elapsed;
  duration = other.duration;
  done = other.done;
  easeType = other.easeType;
  SetEaseType(other.boundEase);
  return *this;
}

template <typename T>
void LerpStartEnd<T>::Set(const T& startValue, const T& endValue, float seconds) {
  start = startValue;
  end = endValue;
  elapsed = 0.0f;
  duration = Finalize(seconds);
  change = end - start;
  easeType = Linear;
  SetEaseType(Linear);
  done = Coincide(start, end);
}

template <typename T>
void LerpStartEnd<T>::SetEaseType(int type) {
  boundEase = type;
  switch (type) {
    case Linear: easing = [this] { return EvaluateLinear(); }; break;
    case QuadIn: easing = [this] { return EvaluateQuadIn(); }; break;
    case QuadOut: easing = [this] { return EvaluateQuadOut(); }; break;
    case QuadInOut: easing = [this] { return EvaluateQuadInOut(); }; break;
    case BounceOut: easing = [this] { return EvaluateBounceOut(); }; break;
    default:
      boundEase = -1;
      easing = nullptr;
      break;
  }
}

template <typename T>
T LerpStartEnd<T>::GetValue() const {
  // A tween with no valid curve holds its start value.
  return easing ? easing() : start;
}

template <typename T>
void LerpStartEnd<T>::Update(float dt) {
  // A non-finite frame time would leave the tween unfinishable and its value NaN.
  if (done || !std::isfinite(dt)) return;
  elapsed += dt;
  if (elapsed >= duration) done = true;
}

template <typename T>
T LerpStartEnd<T>::EvaluateLinear() const {
  const float t = elapsed / duration;
  return start + change * t;
}

template <typename T>
T LerpStartEnd<T>::EvaluateQuadIn() const {
  const float t = elapsed / duration;
  return start + change * (t * t);
}

template <typename T>
T LerpStartEnd<T>::EvaluateQuadOut() const {
  const float t = elapsed / duration;
  return start - change * (t * (t - 2.0f));
}

template <typename T>
T LerpStartEnd<T>::EvaluateQuadInOut() const {
  const float h = elapsed / (duration * 0.5f);
  const T half = change / 2.0f;
  if (h < 1.0f) return start + half * (h * h);
  const float later = h - 1.0f;
  return start - half * ((later - 2.0f) * later - 1.0f);
}

template <typename T>
T LerpStartEnd<T>::EvaluateBounceOut() const {
  constexpr float kBounce = 7.5625f;
  float t = elapsed / duration;
  if (t < 0.36363637f) return start + change * (kBounce * t * t);
  if (t < 0.72727275f) {
    t -= 0.54545456f;
    return start + change * (kBounce * t * t + 0.75f);
  }
  if (static_cast<double>(t) < 0.9090909090909091) {
    t -= 0.8181818f;
    return start + change * (kBounce * t * t + 0.9375f);
  }
  t -= 0.95454544f;
  return start + change * (kBounce * t * t + 0.984375f);
}

template class LerpStartEnd<float>;
template class LerpStartEnd<Math::Vec2>;
template class LerpStartEnd<Math::Vec3>;
template class LerpStartEnd<Math::Vec4>;

}  // namespace Utility
