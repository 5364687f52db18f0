#include "engine/core/Matrix4.h"

#include <cmath>

namespace Math {

namespace {

constexpr float kDegreesToRadians = 0.017453292f;

}  // namespace

Matrix4::Matrix4() : m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1} {}

Matrix4 Translate(float x, float y, float z) {
  Matrix4 result;
  result.m[12] = x;
  result.m[13] = y;
  result.m[14] = z;
  return result;
}

Matrix4 Scale(float x, float y, float z) {
  Matrix4 result;
  result.m[0] = x;
  result.m[5] = y;
  result.m[10] = z;
  return result;
}

Matrix4 RotateZ(float radians) {
  const float c = static_cast<float>(std::cos(static_cast<double>(radians)));
  const float s = static_cast<float>(std::sin(static_cast<double>(radians)));
  Matrix4 result;
  result.At(0, 0) = c;
  result.At(0, 1) = s;
  result.At(1, 0) = -s;
  result.At(1, 1) = c;
  return result;
}

Matrix4 RotateZDegrees(float degrees) { return RotateZ(degrees * kDegreesToRadians); }

void Multiply(Matrix4& a, const Matrix4& b) {
  Matrix4 product;
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      float sum = 0.0f;
      for (int k = 0; k < 4; ++k) sum += a.At(k, row) * b.At(column, k);
      product.At(column, row) = sum;
    }
  }
  a = product;
}

Matrix4 operator*(const Matrix4& a, const Matrix4& b) {
  Matrix4 result = a;
  Multiply(result, b);
  return result;
}

Vector4<float> operator*(const Matrix4& m, const Vector4<float>& p) {
  const float in[4] = {p.x, p.y, p.z, p.w};
  float out[4] = {0, 0, 0, 0};
  for (int row = 0; row < 4; ++row) {
    for (int k = 0; k < 4; ++k) out[row] += m.At(k, row) * in[k];
  }
  return Vector4<float>(out[0], out[1], out[2], out[3]);
}

Matrix4 LookAt(const Vec3& eye, const Vec3& target, const Vec3& up) {
  const Vec3 f = Normalized(eye - target);
  const Vec3 s = Normalized(up.Cross(f));
  const Vec3 u = f.Cross(s);

  Matrix4 rotation;
  const Vec3 rows[3] = {s, u, f};
  for (int row = 0; row < 3; ++row) {
    rotation.At(0, row) = rows[row].x;
    rotation.At(1, row) = rows[row].y;
    rotation.At(2, row) = rows[row].z;
  }

  // Keep the camera at least one unit in front of the z = 0 plane.
  const float translateZ = eye.z >= 1.0f ? eye.z : 1.0f;
  const Matrix4 translation = Translate(-eye.x, -eye.y, -translateZ);
  const Matrix4 zoom = Scale(eye.z, eye.z, 1.0f);
  return zoom * rotation * translation;
}

}  // namespace Math
