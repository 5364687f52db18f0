// The four draw passes read back from the window under Xvfb.
#include <memory>

#include <gtest/gtest.h>

#include "engine/core/Engine.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "support/GraphicsTestSupport.h"
#include "support/TestSupport.h"

namespace {

using Framework::GraphicsSystem;
using Framework::Sprite;
using TestSupport::Pixel;
using TestSupport::ReadPixel;

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kCentreX = kWidth / 2;
constexpr int kCentreY = kHeight / 2;

bool& ContextReady() {
  static bool ready = false;
  return ready;
}

class PassesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!TestSupport::OpenGLWindow(kWidth, kHeight)) return;
    TestSupport::ScopedWorkingFolder root(CORVIDALE_SOURCE_ROOT);
    GraphicsSystem& graphics = Framework::GetGraphicsSystem();
    graphics.windowWidth = kWidth;
    graphics.windowHeight = kHeight;
    graphics.Initialize();
    ContextReady() = true;
  }

  static void TearDownTestSuite() {
    if (ContextReady()) Framework::GetGraphicsSystem().Shutdown();
  }

  void SetUp() override {
    SKIP_WITHOUT_DISPLAY();
    ASSERT_TRUE(ContextReady()) << "no OpenGL 3.3 context";
    graphics().ClearLayers();
    GraphicsSystem::ResetPostEffect();
    GraphicsSystem::SetSpotlight(false, {0, 0}, 0);
    graphics().SetSceneFadeSource(nullptr);
    graphics().SetOverlayFade(0.0f);
    graphics().camera.Reset();
    Framework::GetEngine().paused = false;
  }

  void TearDown() override { sprites.clear(); }

  static GraphicsSystem& graphics() { return Framework::GetGraphicsSystem(); }

  Sprite* AddSprite(int layer, Math::Vec2 at, Math::Vec2 size, Math::Vec4 colour) {
    sprites.push_back(std::make_unique<Sprite>(nullptr, at, size, 0.0f, layer));
    Sprite* sprite = sprites.back().get();
    sprite->textureID = "blank";
    sprite->colour = colour;
    return sprite;
  }

  void Frame(float dt = 0.016f) {
    graphics().Update(dt);
    graphics().RenderFrame();
  }

  std::vector<std::unique_ptr<Sprite>> sprites;
};

const Math::Vec4 kRed(1, 0, 0, 1);
const Math::Vec4 kGreen(0, 1, 0, 1);
const Math::Vec4 kWhite(1, 1, 1, 1);

TEST_F(PassesTest, RedSpriteFillsItsQuadAndLeavesTheBorderClear) {
  AddSprite(0, {0, 0}, {100, 100}, kRed);
  Frame();
  const Pixel centre = ReadPixel(kCentreX, kCentreY);
  EXPECT_GT(centre.r, 240) << centre;
  EXPECT_LT(centre.g, 10) << centre;
  EXPECT_LT(centre.b, 10) << centre;
  const Pixel border = ReadPixel(5, 5);
  EXPECT_LT(border.r + border.g + border.b, 10) << border;
  // Just inside and just outside the 100-pixel square.
  EXPECT_GT(ReadPixel(kCentreX + 45, kCentreY).r, 240);
  EXPECT_LT(ReadPixel(kCentreX + 55, kCentreY).r, 10);
}

TEST_F(PassesTest, HigherLayerCoversLowerLayerWhateverTheListOrder) {
  AddSprite(5, {0, 0}, {100, 100}, kGreen);
  AddSprite(3, {0, 0}, {100, 100}, kRed);
  Frame();
  const Pixel centre = ReadPixel(kCentreX, kCentreY);
  EXPECT_GT(centre.g, 240) << centre;
  EXPECT_LT(centre.r, 10) << centre;
}

TEST_F(PassesTest, BlackAndWhitePostEffectGivesGreyPixels) {
  AddSprite(0, {0, 0}, {100, 100}, Math::Vec4(0.9f, 0.3f, 0.1f, 1));
  GraphicsSystem::SetPostEffect("POST_BLACKWHITE");
  Frame();
  const Pixel centre = ReadPixel(kCentreX, kCentreY);
  EXPECT_GT(centre.r, 50) << centre;
  EXPECT_NEAR(centre.r, centre.g, 1) << centre;
  EXPECT_NEAR(centre.g, centre.b, 1) << centre;
}

TEST_F(PassesTest, UILayerDrawsOverThePostEffect) {
  GraphicsSystem::SetPostEffect("POST_BLACKWHITE");
  AddSprite(0, {-80, 0}, {60, 60}, kRed);
  AddSprite(10, {80, 0}, {60, 60}, kRed);
  Frame();
  const Pixel world = ReadPixel(kCentreX - 80, kCentreY);
  const Pixel ui = ReadPixel(kCentreX + 80, kCentreY);
  EXPECT_NEAR(world.r, world.g, 1) << "the world goes through the post effect: " << world;
  EXPECT_GT(ui.r, 240) << ui;
  EXPECT_LT(ui.g, 10) << "the UI layer stays in colour: " << ui;
}

TEST_F(PassesTest, FullFadeGivesBlackAndTheUIFadeIsResetAfterTheFrame) {
  AddSprite(0, {-80, 0}, {60, 60}, kWhite);
  AddSprite(10, {80, 0}, {60, 60}, kWhite);
  graphics().SetOverlayFade(1.0f);
  graphics().SetSceneFadeSource([] { return 1.0f; });
  Frame();
  const Pixel world = ReadPixel(kCentreX - 80, kCentreY);
  const Pixel ui = ReadPixel(kCentreX + 80, kCentreY);
  EXPECT_LT(world.r + world.g + world.b, 5) << world;
  EXPECT_LT(ui.r + ui.g + ui.b, 5) << ui;

  const GLuint program = graphics().shaders.Program("DEFAULT");
  GLfloat fade = -1.0f;
  gl::GetUniformfv(program, gl::GetUniformLocation(program, "fadeVariable"), &fade);
  EXPECT_EQ(fade, 0.0f);
}

TEST_F(PassesTest, SpotlightDarkensOutsideItsRadius) {
  AddSprite(0, {0, 0}, {float(kWidth), float(kHeight)}, kWhite);
  GraphicsSystem::SetSpotlight(true, {0, 0}, 60.0f);
  for (int i = 0; i < 20; ++i) Frame(0.1f);  // past the 1.5 s growth
  const Pixel inside = ReadPixel(kCentreX + 20, kCentreY);
  const Pixel outside = ReadPixel(kCentreX + 120, kCentreY);
  EXPECT_GT(inside.r, 240) << inside;
  EXPECT_LT(outside.r, 100) << outside;
  GraphicsSystem::SetSpotlight(false, {0, 0}, 0.0f);
  Frame();
  EXPECT_GT(ReadPixel(kCentreX + 120, kCentreY).r, 240);
}

TEST_F(PassesTest, WireframeMessageHoldsOnlyUntilTheNextFrame) {
  Framework::Message debugOn(Framework::MSG_DEBUG_ON);
  graphics().SendMessage(&debugOn);
  AddSprite(0, {0, 0}, {100, 100}, kRed);
  Frame();
  EXPECT_GT(ReadPixel(kCentreX, kCentreY).r, 240) << "the draw pass fills again";
  Framework::Message debugOff(Framework::MSG_DEBUG_OFF);
  graphics().SendMessage(&debugOff);
}

TEST_F(PassesTest, CameraMoveShiftsWorldAndUILayersAlike) {
  AddSprite(0, {0, 0}, {40, 40}, kRed);
  AddSprite(10, {100, 0}, {40, 40}, kGreen);
  graphics().camera.position.x += 60;
  graphics().camera.target.x += 60;
  Frame();
  EXPECT_GT(ReadPixel(kCentreX - 60, kCentreY).r, 240);
  EXPECT_LT(ReadPixel(kCentreX, kCentreY).r, 10);
  // UI sprites use the same view, so they move with the camera too.
  EXPECT_GT(ReadPixel(kCentreX + 40, kCentreY).g, 240);
}

}  // namespace
