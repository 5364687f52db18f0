// The debug overlay drawn onto a real window under Xvfb.
#include <gtest/gtest.h>

#include <memory>

#include "engine/graphics/Debug.h"
#include "engine/graphics/GraphicsSystem.h"
#include "support/GraphicsTestSupport.h"
#include "support/PhysicsWorld.h"
#include "support/TestSupport.h"

namespace {

using Framework::Debug;
using Framework::GetDebug;
using Framework::GraphicsSystem;
using TestSupport::Pixel;
using TestSupport::ReadPixel;

class DebugPixels : public TestSupport::RendererTest {
 protected:
  void SetUp() override {
    RendererTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    GetDebug().ClearShapes();
  }
  void TearDown() override {
    Framework::Message off(Framework::MSG_DEBUG_OFF);
    GetDebug().SendMessage(&off);
  }
  // One frame: the scene (empty, so black), then the overlay.
  static void Frame() {
    Framework::GetGraphicsSystem().Update(0.016f);
    Framework::GetGraphicsSystem().RenderFrame();
    GetDebug().Draw();
  }
  static void DebugOn() {
    Framework::Message on(Framework::MSG_DEBUG_ON);
    GetDebug().SendMessage(&on);
  }
  static bool IsRed(const Pixel& p) { return p.r > 200 && p.g < 60 && p.b < 60; }
  static bool IsGreen(const Pixel& p) { return p.g > 200 && p.r < 60 && p.b < 60; }
};

TEST_F(DebugPixels, QueuedLinesShowOnlyWhileTheFlagIsOn) {
  const Math::Vec4 red(1, 0, 0, 1);
  GetDebug().QueueLine(Math::Vec2(-100, 0), Math::Vec2(100, 0), red);
  Frame();
  EXPECT_FALSE(IsRed(ReadPixel(kCentreX, kCentreY))) << ReadPixel(kCentreX, kCentreY);

  DebugOn();
  GetDebug().QueueLine(Math::Vec2(-100, 0), Math::Vec2(100, 0), red);
  Frame();
  // A one-pixel line may land on either row next to the centre.
  const bool drawn = IsRed(ReadPixel(kCentreX, kCentreY)) || IsRed(ReadPixel(kCentreX, kCentreY - 1));
  EXPECT_TRUE(drawn) << ReadPixel(kCentreX, kCentreY) << " " << ReadPixel(kCentreX, kCentreY - 1);
  EXPECT_FALSE(IsRed(ReadPixel(kCentreX, kCentreY + 40)));
}

TEST_F(DebugPixels, BoxesDrawTheirOutline) {
  TestSupport::PhysicsWorld world;
  world.AddBox({Math::Vec3(0, 0, 0), 50.0f, 30.0f});
  DebugOn();
  Frame();
  bool edge = false;
  for (int dx = -2; dx <= 2 && !edge; ++dx) edge = IsGreen(ReadPixel(kCentreX + 50 + dx, kCentreY + 10));
  EXPECT_TRUE(edge) << ReadPixel(kCentreX + 50, kCentreY + 10);
  EXPECT_FALSE(IsGreen(ReadPixel(kCentreX + 20, kCentreY + 10)));  // an outline, not filled
}

}  // namespace
