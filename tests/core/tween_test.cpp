#include <memory>

#include <gtest/gtest.h>

#include "engine/core/Lerp.h"

using Math::Vec3;
using Math::Vec4;
using Utility::LerpStartEnd;

namespace {

// Value of a float tween from 0 to 1 over 1 s after `seconds`.
float EaseAt(int ease, float seconds) {
  LerpStartEnd<float> tween(0.0f, 1.0f, ease, 1.0f);
  tween.Update(seconds);
  return tween.GetValue();
}

}  // namespace

TEST(Tween, LinearAdvancesAndFinishesWithoutClamping) {
  LerpStartEnd<float> tween(0.0f, 10.0f, Utility::Linear, 1.0f);
  EXPECT_FALSE(tween.done);
  tween.Update(0.25f);
  EXPECT_FLOAT_EQ(2.5f, tween.GetValue());
  tween.Update(0.8f);
  EXPECT_TRUE(tween.done);
  EXPECT_FLOAT_EQ(10.5f, tween.GetValue());  // one frame past the end
  tween.Update(1.0f);                        // done: elapsed stays put
  EXPECT_FLOAT_EQ(10.5f, tween.GetValue());
}

TEST(Tween, CurvesAtTheirCharacteristicPoints) {
  EXPECT_FLOAT_EQ(0.0625f, EaseAt(Utility::QuadIn, 0.25f));
  EXPECT_FLOAT_EQ(0.4375f, EaseAt(Utility::QuadOut, 0.25f));
  EXPECT_FLOAT_EQ(0.125f, EaseAt(Utility::QuadInOut, 0.25f));
  EXPECT_FLOAT_EQ(0.875f, EaseAt(Utility::QuadInOut, 0.75f));

  EXPECT_NEAR(0.0f, EaseAt(Utility::BounceOut, 0.0f), 1e-6f);
  EXPECT_NEAR(1.0f, EaseAt(Utility::BounceOut, 1.0f / 2.75f), 1e-5f);
  EXPECT_NEAR(0.75f, EaseAt(Utility::BounceOut, 1.5f / 2.75f), 1e-5f);
  EXPECT_NEAR(0.9375f, EaseAt(Utility::BounceOut, 2.25f / 2.75f), 1e-5f);
  EXPECT_NEAR(1.0f, EaseAt(Utility::BounceOut, 1.0f), 1e-5f);
}

TEST(Tween, SetUpRules) {
  LerpStartEnd<float> zeroDuration(0.0f, 1.0f, Utility::Linear, 0.0f);
  EXPECT_FLOAT_EQ(1.0f, zeroDuration.duration);

  LerpStartEnd<float> still(2.0f, 2.0f, Utility::Linear, 1.0f);
  EXPECT_TRUE(still.done);
  still.Update(0.5f);
  EXPECT_FLOAT_EQ(0.0f, still.elapsed);

  LerpStartEnd<Vec3> tiny(Vec3(0, 0, 0), Vec3(0, 0, 1e-8f), Utility::Linear, 1.0f);
  EXPECT_TRUE(tiny.done);

  // Set restarts with the linear curve, whatever the tween had before.
  LerpStartEnd<Vec4> colour(Vec4(0, 0, 0, 0), Vec4(1, 1, 1, 1), Utility::QuadIn, 2.0f);
  colour.Update(3.0f);
  colour.Set(Vec4(0, 0, 0, 0), Vec4(0, 0, 0, 4), 0.0f);
  EXPECT_FALSE(colour.done);
  EXPECT_EQ(Utility::Linear, colour.easeType);
  colour.Update(0.5f);
  EXPECT_FLOAT_EQ(2.0f, colour.GetValue().a);

  // SetEaseType switches the curve but not the recorded type.
  LerpStartEnd<float> switched(0.0f, 1.0f, Utility::Linear, 1.0f);
  switched.SetEaseType(Utility::QuadIn);
  switched.Update(0.5f);
  EXPECT_FLOAT_EQ(0.25f, switched.GetValue());
  EXPECT_EQ(Utility::Linear, switched.easeType);
}

TEST(Tween, CopiesEvaluateTheirOwnFields) {
  auto source = std::make_unique<LerpStartEnd<float>>(0.0f, 10.0f, Utility::QuadIn, 1.0f);
  source->Update(0.5f);
  LerpStartEnd<float> copy(*source);
  LerpStartEnd<float> assigned;
  assigned = *source;
  source.reset();  // a copy bound to the source would now read freed memory

  EXPECT_FLOAT_EQ(2.5f, copy.GetValue());
  copy.Update(0.5f);
  EXPECT_FLOAT_EQ(10.0f, copy.GetValue());
  EXPECT_FLOAT_EQ(2.5f, assigned.GetValue());  // independent of the copy's progress
}
