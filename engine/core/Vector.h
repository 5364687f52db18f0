#pragma once
// Small float vectors used for positions, sizes, velocities and colours.
// All arithmetic is component-wise and returns a new value.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace Math {

// Keeps a scalar argument out of template deduction, so v * 2 and v / 2
// work with an int literal.
template <typename T>
struct Scalar {
  using type = T;
};
template <typename T>
using ScalarOf = typename Scalar<T>::type;

template <typename T>
struct Vector2 {
  T x{}, y{};

  constexpr Vector2() = default;
  constexpr Vector2(T xValue, T yValue) : x(xValue), y(yValue) {}

  Vector2& operator+=(const Vector2& o) { x += o.x; y += o.y; return *this; }
  Vector2& operator-=(const Vector2& o) { x -= o.x; y -= o.y; return *this; }
  Vector2& operator*=(T s) { x *= s; y *= s; return *this; }
};

template <typename T>
struct Vector3 {
  T x{}, y{}, z{};

  constexpr Vector3() = default;
  constexpr Vector3(T xValue, T yValue, T zValue) : x(xValue), y(yValue), z(zValue) {}
  // A 2D point lifted onto the z = 0 plane.
  constexpr Vector3(const Vector2<T>& v) : x(v.x), y(v.y), z(T{}) {}  // NOLINT: implicit on purpose

  Vector3 Cross(const Vector3& b) const {
    return Vector3(y * b.z - z * b.y, z * b.x - x * b.z, x * b.y - y * b.x);
  }

  Vector3& operator+=(const Vector3& o) { x += o.x; y += o.y; z += o.z; return *this; }
  Vector3& operator-=(const Vector3& o) { x -= o.x; y -= o.y; z -= o.z; return *this; }
  Vector3& operator*=(T s) { x *= s; y *= s; z *= s; return *this; }
};

// Also carries RGBA colours: r, g, b, a name the same storage as x, y, z, w.
template <typename T>
struct Vector4 {
  union { T x; T r; };
  union { T y; T g; };
  union { T z; T b; };
  union { T w; T a; };

  constexpr Vector4() : x(T{}), y(T{}), z(T{}), w(T{}) {}
  constexpr Vector4(T xValue, T yValue, T zValue, T wValue) : x(xValue), y(yValue), z(zValue), w(wValue) {}

  Vector4& operator+=(const Vector4& o) { x += o.x; y += o.y; z += o.z; w += o.w; return *this; }
  Vector4& operator-=(const Vector4& o) { x -= o.x; y -= o.y; z -= o.z; w -= o.w; return *this; }
  Vector4& operator*=(T s) { x *= s; y *= s; z *= s; w *= s; return *this; }
};

using Vec2 = Vector2<float>;
using Vec3 = Vector3<float>;
using Vec4 = Vector4<float>;

// ---- Vector2 ----
template <typename T> Vector2<T> operator+(const Vector2<T>& a, const Vector2<T>& b) { return {a.x + b.x, a.y + b.y}; }
template <typename T> Vector2<T> operator-(const Vector2<T>& a, const Vector2<T>& b) { return {a.x - b.x, a.y - b.y}; }
template <typename T> Vector2<T> operator-(const Vector2<T>& a) { return {-a.x, -a.y}; }
template <typename T> Vector2<T> operator*(const Vector2<T>& a, ScalarOf<T> s) { return {a.x * s, a.y * s}; }
// Divides each component (no reciprocal), so a zero divisor gives inf/NaN as floats do.
template <typename T> Vector2<T> operator*(ScalarOf<T> s, const Vector2<T>& a) { return {s * a.x, s * a.y}; }
template <typename T> Vector2<T> operator/(const Vector2<T>& a, ScalarOf<T> s) { return {a.x / s, a.y / s}; }
template <typename T> bool operator==(const Vector2<T>& a, const Vector2<T>& b) { return a.x == b.x && a.y == b.y; }
template <typename T> bool operator!=(const Vector2<T>& a, const Vector2<T>& b) { return !(a == b); }

// ---- Vector3 ----
template <typename T> Vector3<T> operator+(const Vector3<T>& a, const Vector3<T>& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
template <typename T> Vector3<T> operator-(const Vector3<T>& a, const Vector3<T>& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
template <typename T> Vector3<T> operator-(const Vector3<T>& a) { return {-a.x, -a.y, -a.z}; }
template <typename T> Vector3<T> operator*(const Vector3<T>& a, ScalarOf<T> s) { return {a.x * s, a.y * s, a.z * s}; }
template <typename T> Vector3<T> operator*(ScalarOf<T> s, const Vector3<T>& a) { return {s * a.x, s * a.y, s * a.z}; }
template <typename T> Vector3<T> operator/(const Vector3<T>& a, ScalarOf<T> s) { return {a.x / s, a.y / s, a.z / s}; }
template <typename T> bool operator==(const Vector3<T>& a, const Vector3<T>& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
template <typename T> bool operator!=(const Vector3<T>& a, const Vector3<T>& b) { return !(a == b); }

// ---- Vector4 ----
template <typename T> Vector4<T> operator+(const Vector4<T>& a, const Vector4<T>& b) { return {a.x + b.x, a.y + b.y, a.z + b.z, a.w + b.w}; }
template <typename T> Vector4<T> operator-(const Vector4<T>& a, const Vector4<T>& b) { return {a.x - b.x, a.y - b.y, a.z - b.z, a.w - b.w}; }
template <typename T> Vector4<T> operator-(const Vector4<T>& a) { return {-a.x, -a.y, -a.z, -a.w}; }
template <typename T> Vector4<T> operator*(const Vector4<T>& a, ScalarOf<T> s) { return {a.x * s, a.y * s, a.z * s, a.w * s}; }
template <typename T> Vector4<T> operator*(ScalarOf<T> s, const Vector4<T>& a) { return {s * a.x, s * a.y, s * a.z, s * a.w}; }
template <typename T> Vector4<T> operator/(const Vector4<T>& a, ScalarOf<T> s) { return {a.x / s, a.y / s, a.z / s, a.w / s}; }
template <typename T> bool operator==(const Vector4<T>& a, const Vector4<T>& b) { return a.x == b.x && a.y == b.y && a.z == b.z && a.w == b.w; }
template <typename T> bool operator!=(const Vector4<T>& a, const Vector4<T>& b) { return !(a == b); }

inline float Dot(const Vec2& a, const Vec2& b) { return a.x * b.x + a.y * b.y; }
inline float Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline float Length(const Vec2& v) { return static_cast<float>(std::sqrt(static_cast<double>(v.x * v.x + v.y * v.y))); }
// Euclidean length: squares summed in float, root taken in double.
inline float Length(const Vec3& v) {
  return static_cast<float>(std::sqrt(static_cast<double>(v.x * v.x + v.y * v.y + v.z * v.z)));
}
inline float Distance(const Vec3& a, const Vec3& b) { return Length(a - b); }
// v divided by its length; a zero vector stays zero rather than becoming NaN.
inline Vec3 Normalized(const Vec3& v) {
  const float length = Length(v);
  if (!(length > 0.0f)) return Vec3();
  return v / length;
}

// Erases the first element equal to value, keeping the order of the rest.
// False when the vector is empty or holds no such element.
template <typename T>
bool RemoveFromVector(std::vector<T>& values, const T& value) {
  auto found = std::find(values.begin(), values.end(), value);
  if (found == values.end()) return false;
  values.erase(found);
  return true;
}

}  // namespace Math
