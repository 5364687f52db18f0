#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/core/Matrix4.h"
#include "engine/core/Vector.h"

using Math::Matrix4;
using Math::Vec2;
using Math::Vec3;
using Math::Vec4;

namespace {

void ExpectNear(const Vec4& expected, const Vec4& actual) {
  EXPECT_NEAR(expected.x, actual.x, 1e-5f);
  EXPECT_NEAR(expected.y, actual.y, 1e-5f);
  EXPECT_NEAR(expected.z, actual.z, 1e-5f);
  EXPECT_NEAR(expected.w, actual.w, 1e-5f);
}

void ExpectMatrixNear(const Matrix4& expected, const Matrix4& actual) {
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(expected.m[i], actual.m[i], 1e-6f) << "element " << i;
}

}  // namespace

TEST(Vector, ArithmeticAndColourAliases) {
  Vec3 lifted(Vec2(1.0f, 2.0f));
  EXPECT_EQ(Vec3(1, 2, 0), lifted);
  EXPECT_EQ(Vec3(0, 0, 1), Vec3(1, 0, 0).Cross(Vec3(0, 1, 0)));
  EXPECT_EQ(Vec3(2, 4, 6), (Vec3(1, 2, 3) * 4.0f) / 2.0f);
  EXPECT_EQ(Vec2(3, 6), 3 * Vec2(1, 2));

  Vec4 colour(0.1f, 0.2f, 0.3f, 0.4f);
  colour.a = 1.0f;
  EXPECT_FLOAT_EQ(1.0f, colour.w);
  EXPECT_FLOAT_EQ(0.1f, colour.r);
  Vec4 negated = -Vec4(0.0f, 1.0f, -2.0f, 3.0f);
  EXPECT_TRUE(std::signbit(negated.x));
  EXPECT_FLOAT_EQ(2.0f, negated.z);

  Vec2 divided = Vec2(1.0f, 0.0f) / 0.0f;
  EXPECT_TRUE(std::isinf(divided.x));
  EXPECT_TRUE(std::isnan(divided.y));

  EXPECT_FLOAT_EQ(5.0f, Math::Distance(Vec3(3, 4, 0), Vec3(0, 0, 0)));
}

TEST(Vector, RemoveFromVectorErasesOnlyTheFirstMatch) {
  std::vector<std::string> names{"a", "b", "a", "c"};
  EXPECT_TRUE(Math::RemoveFromVector(names, std::string("a")));
  EXPECT_EQ((std::vector<std::string>{"b", "a", "c"}), names);
  EXPECT_FALSE(Math::RemoveFromVector(names, std::string("z")));
  std::vector<int*> empty;
  EXPECT_FALSE(Math::RemoveFromVector(empty, static_cast<int*>(nullptr)));
}

TEST(Matrix, TranslateScaleAndProductOrder) {
  ExpectNear(Vec4(1, 2, 3, 1), Math::Translate(1, 2, 3) * Vec4(0, 0, 0, 1));
  EXPECT_FLOAT_EQ(1.0f, Math::Scale(2, 3, 4).m[15]);
  // In a * b, b applies first: scale, then translate.
  ExpectNear(Vec4(7, 0, 0, 1), (Math::Translate(5, 0, 0) * Math::Scale(2, 2, 2)) * Vec4(1, 0, 0, 1));
  ExpectNear(Vec4(12, 0, 0, 1), (Math::Scale(2, 2, 2) * Math::Translate(5, 0, 0)) * Vec4(1, 0, 0, 1));
}

TEST(Matrix, RotateZTurnsCounterClockwise) {
  ExpectNear(Vec4(0, 1, 0, 1), Math::RotateZDegrees(90) * Vec4(1, 0, 0, 1));
  ExpectNear(Vec4(-1, 0, 0, 1), Math::RotateZDegrees(90) * Vec4(0, 1, 0, 1));
  ExpectNear(Vec4(-1, 0, 0, 1), Math::RotateZ(3.14159265f) * Vec4(1, 0, 0, 1));
}

TEST(Matrix, LookAtDefaultCameraIsAPlainTranslation) {
  ExpectMatrixNear(Math::Translate(0, 0, -1), Math::LookAt(Vec3(0, 0, 1), Vec3(0, 0, 0), Vec3(0, 1, 0)));
}

TEST(Matrix, LookAtZoomsByEyeZAndClampsTheDepth) {
  // Eye below z = 1: depth stays at 1, x and y are scaled by 0.5.
  Matrix4 view = Math::LookAt(Vec3(10, 20, 0.5f), Vec3(10, 20, 0), Vec3(0, 1, 0));
  ExpectMatrixNear(Math::Scale(0.5f, 0.5f, 1) * Math::Translate(-10, -20, -1), view);
  ExpectNear(Vec4(0, 0, -1, 1), view * Vec4(10, 20, 0, 1));

  Matrix4 far = Math::LookAt(Vec3(0, 0, 2), Vec3(0, 0, 0), Vec3(0, 1, 0));
  ExpectNear(Vec4(2, 4, -2, 1), far * Vec4(1, 2, 0, 1));
}
