#pragma once
// 4x4 float matrix in column-major order (element = 4 * column + row), the
// layout OpenGL expects, so Data() goes straight to a shader uniform.
#include "engine/core/Vector.h"

namespace Math {

struct Matrix4 {
  float m[16];

  Matrix4();  // identity
  float& At(int column, int row) { return m[4 * column + row]; }
  float At(int column, int row) const { return m[4 * column + row]; }
  const float* Data() const { return m; }
};

Matrix4 Translate(float x, float y, float z);
Matrix4 Scale(float x, float y, float z);
// Counter-clockwise turn of the x/y plane.
Matrix4 RotateZ(float radians);
Matrix4 RotateZDegrees(float degrees);

// a = a * b in place; in a * b the transform b applies first.
void Multiply(Matrix4& a, const Matrix4& b);
Matrix4 operator*(const Matrix4& a, const Matrix4& b);
Vector4<float> operator*(const Matrix4& m, const Vector4<float>& p);

// The camera's view matrix. The eye's z doubles as the zoom of x and y;
// the translation never moves closer than z = 1.
Matrix4 LookAt(const Vec3& eye, const Vec3& target, const Vec3& up);

}  // namespace Math
