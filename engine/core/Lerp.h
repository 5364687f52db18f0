#pragma once
// A tween: moves a value from start to end over a duration along one of
// five easing curves. The owner calls Update(dt) each frame and reads
// GetValue(). Values are not clamped: the frame that finishes the tween
// may carry it slightly past end.
#include <functional>

#include "engine/core/Vector.h"

namespace Utility {

enum EaseType : int { Linear = 0, QuadIn = 1, QuadOut = 2, QuadInOut = 3, BounceOut = 4 };

template <typename T>
class LerpStartEnd {
 public:
  LerpStartEnd();
  LerpStartEnd(const T& startValue, const T& endValue, int ease = Linear, float seconds = 1.0f);
  // Copies bind the easing to the copy's own fields, never to the source's.
  LerpStartEnd(const LerpStartEnd& other);
  LerpStartEnd& operator=(const LerpStartEnd& other);
  ~LerpStartEnd() = default;

  // Restarts with the linear easing.
  void Set(const T& startValue, const T& endValue, float seconds);
  // Binds the curve of that type (0 to 4); easeType itself is left alone.
  void SetEaseType(int type);
  T GetValue() const;
  void Update(float dt);
  bool IsDone() const { return done; }

  T start{};
  T end{};
  T change{};
  float elapsed = 0.0f;
  float duration = 1.0f;  // never 0: a 0 given becomes 1.0
  bool done = false;
  int easeType = Linear;

 private:
  T EvaluateLinear() const;
  T EvaluateQuadIn() const;
  T EvaluateQuadOut() const;
  T EvaluateQuadInOut() const;
  T EvaluateBounceOut() const;

  std::function<T()> easing;
  int boundEase = -1;  // the curve easing holds, so a copy can bind its own
};

extern template class LerpStartEnd<float>;
extern template class LerpStartEnd<Math::Vec2>;
extern template class LerpStartEnd<Math::Vec3>;
extern template class LerpStartEnd<Math::Vec4>;

}  // namespace Utility
