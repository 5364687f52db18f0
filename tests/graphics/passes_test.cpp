// The four draw passes read back from the window under Xvfb.
#include <cstdlib>
#include <memory>

#include <gtest/gtest.h>

#include "engine/core/Engine.h"
#include "engine/core/GameObject.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "engine/platform/Platform.h"
#include "support/GraphicsTestSupport.h"
#include "support/TestSupport.h"

namespace {

using Framework::GraphicsSystem;
using Framework::Sprite;
using TestSupport::Pixel;
using TestSupport::ReadPixel;

class PassesTest : public TestSupport::RendererTest {
 protected:
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
  graphics().camera.position.z = 0.5f;  // zoomed out: the lit circle shrinks with the world
  Frame();
  EXPECT_GT(ReadPixel(kCentreX + 20, kCentreY).r, 240);
  EXPECT_LT(ReadPixel(kCentreX + 40, kCentreY).r, 100);
  graphics().camera.position.z = 1.0f;
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

TEST_F(PassesTest, ViewportMessagesResizeTheViewportButNotTheFrameBuffers) {
  Framework::Message monitor(Framework::MSG_VIEWPORT_MONITOR);
  Framework::Message window(Framework::MSG_VIEWPORT_WINDOW);
  int monitorWidth = 0, monitorHeight = 0;
  Platform::Current().GetMonitorSize(monitorWidth, monitorHeight);
  ASSERT_GT(monitorWidth, kWidth) << "the Xvfb screen is larger than the window";
  graphics().SendMessage(&monitor);
  EXPECT_EQ(graphics().viewportWidth, monitorWidth);
  EXPECT_EQ(graphics().viewportHeight, monitorHeight);
  EXPECT_EQ(graphics().GetTexture(graphics().frameBuffers[0].textureName)->width, kWidth);

  graphics().windowWidth = 0;
  ::testing::internal::CaptureStderr();
  graphics().SendMessage(&window);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("Error: Viewport size 0 x"), std::string::npos);
  EXPECT_EQ(graphics().viewportWidth, monitorWidth) << "an empty size is refused";
  graphics().windowWidth = kWidth;
  graphics().SendMessage(&window);
  EXPECT_EQ(graphics().viewportWidth, kWidth);
  EXPECT_EQ(graphics().viewportHeight, kHeight);
}

TEST_F(PassesTest, DebugLinePointingDownIsVerticalAndAPointDrawsNothing) {
  Frame();
  GraphicsSystem::DrawDebugLine({0, 0}, {0, -40}, kRed);
  const bool onLine = ReadPixel(kCentreX, kCentreY - 20).r > 200 || ReadPixel(kCentreX - 1, kCentreY - 20).r > 200;
  EXPECT_TRUE(onLine) << ReadPixel(kCentreX, kCentreY - 20);
  EXPECT_LT(ReadPixel(kCentreX, kCentreY + 20).r, 10) << "it runs down from the start, not up";
  EXPECT_LT(ReadPixel(kCentreX + 10, kCentreY - 20).r, 10);

  const Math::Matrix4 before = graphics().modelMatrix;
  GraphicsSystem::DrawDebugLine({30, 30}, {30, 30}, kRed);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(graphics().modelMatrix.m[i], before.m[i]) << "no direction, no draw";
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

TEST_F(PassesTest, CameraAtZeroHeightStillShowsTheWorld) {
  AddSprite(0, {0, 0}, {100, 100}, kRed);
  graphics().camera.position.z = 0.0f;
  Frame();
  EXPECT_GT(ReadPixel(kCentreX, kCentreY).r, 240);
  EXPECT_LT(ReadPixel(kCentreX + 55, kCentreY).r, 10) << "at its normal size";
}

TEST_F(PassesTest, LayerOneSpritesOverlapInWorldYOrder) {
  Framework::GameObject upper(Math::Vec3(0, 20, 0));
  Framework::GameObject lower(Math::Vec3(0, -20, 0));
  auto lowerSprite = std::make_unique<Sprite>(&lower, Math::Vec2(0, 0), Math::Vec2(80, 80), 0.0f, 1);
  auto upperSprite = std::make_unique<Sprite>(&upper, Math::Vec2(0, 0), Math::Vec2(80, 80), 0.0f, 1);
  for (Sprite* sprite : {lowerSprite.get(), upperSprite.get()}) sprite->textureID = "blank";
  lowerSprite->colour = kGreen;
  upperSprite->colour = kRed;
  Frame();
  // Where they overlap, the lower one (smaller y) covers the upper one.
  const Pixel overlap = ReadPixel(kCentreX, kCentreY);
  EXPECT_GT(overlap.g, 240) << overlap;
  EXPECT_GT(ReadPixel(kCentreX, kCentreY + 45).r, 240) << "the upper sprite shows above the overlap";
}

TEST_F(PassesTest, NegativeWidthMirrorsTheSprite) {
  // The sheet's bottom strip runs red, green, blue, white from left to right.
  graphics().textures->LoadTexture("test_sheet", TestSupport::GraphicsTestData("sheet_128x64.png"),
                                   {Framework::AnimationRecord{"Strip", 1, 0, 0, 128, 32}});
  Sprite* sprite = AddSprite(0, {0, 0}, {-128, 64}, kWhite);
  sprite->textureID = "test_sheet";
  sprite->currentAnimSet = "Strip";
  Frame();
  const Pixel left = ReadPixel(kCentreX - 50, kCentreY);
  const Pixel right = ReadPixel(kCentreX + 50, kCentreY);
  EXPECT_GT(left.b + left.g, 480) << "white on the left: " << left;
  EXPECT_GT(right.r, 240) << right;
  EXPECT_LT(right.g, 10) << "red on the right: " << right;
}

TEST_F(PassesTest, TextureWithoutAnimationsShowsTheWholeImage) {
  const std::string sheet = TestSupport::GraphicsTestData("sheet_128x64.png");
  graphics().textures->LoadTexture("red_column", sheet, {Framework::AnimationRecord{"Red", 1, 0, 0, 32, 32}});
  graphics().textures->LoadTexture("whole_sheet", sheet, {});
  // Drawn first, it leaves the shared quad holding the red column's corners.
  AddSprite(0, {-100, 0}, {64, 64}, kWhite)->textureID = "red_column";
  AddSprite(1, {60, 0}, {128, 64}, kWhite)->textureID = "whole_sheet";
  Frame();
  const Pixel firstColumn = ReadPixel(kCentreX + 60 - 48, kCentreY - 16);
  const Pixel lastColumn = ReadPixel(kCentreX + 60 + 48, kCentreY - 16);
  EXPECT_GT(firstColumn.r, 240) << firstColumn;
  EXPECT_LT(firstColumn.g, 10) << firstColumn;
  EXPECT_GT(lastColumn.g + lastColumn.b, 480) << "the white column, not the other sprite's frame: " << lastColumn;
}

TEST_F(PassesTest, QueuedTextAppearsWhereQueuedInItsColour) {
  // A row of capital I's: solid vertical strokes from the baseline up.
  GraphicsSystem::QueueText("IIII", -100.0f, -60.0f, 1.0f, Math::Vec4(0, 1, 0, 1));
  Frame();
  EXPECT_TRUE(graphics().textQueue.empty());
  int greenPixels = 0;
  for (int x = kCentreX - 100; x < kCentreX - 20; ++x) {
    const Pixel p = ReadPixel(x, kCentreY - 60 + 15);
    if (p.g > 200 && p.r < 40 && p.b < 40) ++greenPixels;
  }
  EXPECT_GT(greenPixels, 10) << "strokes of the text above its baseline";
  const Pixel below = ReadPixel(kCentreX - 90, kCentreY - 75);
  EXPECT_LT(below.g, 10) << "nothing below the baseline of capitals";
  const Pixel elsewhere = ReadPixel(kCentreX + 60, kCentreY + 60);
  EXPECT_LT(elsewhere.g, 10);
  Frame();
  EXPECT_LT(ReadPixel(kCentreX - 90, kCentreY - 45).g, 10) << "the queue is emptied by every frame";
}

TEST_F(PassesTest, QueuedTextGoesThroughThePostEffectAndPauseHoldsTheClocks) {
  GraphicsSystem::SetPostEffect("POST_BLACKWHITE");
  GraphicsSystem::QueueText("IIII", -100.0f, -60.0f, 1.0f, Math::Vec4(0, 1, 0, 1));
  Frame();
  int greyStrokes = 0, greenStrokes = 0;
  for (int x = kCentreX - 100; x < kCentreX - 20; ++x) {
    const Pixel p = ReadPixel(x, kCentreY - 60 + 15);
    if (p.g > 100 && std::abs(p.r - p.g) <= 1 && std::abs(p.g - p.b) <= 1) ++greyStrokes;
    if (p.g > 100 && p.r < 40) ++greenStrokes;
  }
  EXPECT_GT(greyStrokes, 10);
  EXPECT_EQ(greenStrokes, 0) << "texts are part of the world image";

  // While paused, "time" stands still for "DEFAULT" and the post effect.
  const auto timeOf = [](const std::string& shader) {
    const GLuint program = graphics().shaders.Program(shader);
    GLfloat value = -1.0f;
    gl::GetUniformfv(program, gl::GetUniformLocation(program, "time"), &value);
    return value;
  };
  GraphicsSystem::SetPostEffect("POST_FALLOUT");  // its grain moves with "time"
  Frame(0.5f);
  const float before = timeOf("DEFAULT");
  EXPECT_FLOAT_EQ(timeOf("POST_FALLOUT"), before);
  Framework::GetEngine().paused = true;
  Frame(0.5f);
  EXPECT_FLOAT_EQ(timeOf("DEFAULT"), before);
  EXPECT_FLOAT_EQ(timeOf("POST_FALLOUT"), before);
  Framework::GetEngine().paused = false;
  Frame(0.5f);
  EXPECT_FLOAT_EQ(timeOf("DEFAULT"), before + 0.5f);
}

TEST_F(PassesTest, MeasureTextSumsWholePixelAdvancesAndIgnoresHighBytes) {
  FT_Face face = nullptr;
  ASSERT_EQ(FT_New_Face(graphics().font.library, CORVIDALE_SOURCE_ROOT "/Resources/fonts/TCCB.ttf", 0, &face), 0);
  FT_Set_Pixel_Sizes(face, 0, 48);
  const std::string text = "Killer gg";
  float expected = 0.0f;
  for (char c : text) {
    ASSERT_EQ(FT_Load_Char(face, static_cast<FT_ULong>(c), FT_LOAD_DEFAULT), 0);
    expected += static_cast<float>(face->glyph->advance.x >> 6) * 0.5f;
  }
  ASSERT_EQ(FT_Load_Char(face, 'g', FT_LOAD_RENDER), 0);
  const float gRows = static_cast<float>(face->glyph->bitmap.rows);
  FT_Done_Face(face);

  const Math::Vec2 size = GraphicsSystem::MeasureText(text, 0.5f);
  EXPECT_FLOAT_EQ(size.x, expected);
  EXPECT_FLOAT_EQ(size.y, gRows * 0.5f) << "the height of the last character";
  EXPECT_FLOAT_EQ(GraphicsSystem::MeasureText("", 1.0f).x, 0.0f);
  EXPECT_FLOAT_EQ(GraphicsSystem::MeasureText("\xC3\xA9", 1.0f).x, 0.0f);

  GraphicsSystem::QueueText("\xC3\xA9\xFF", -100.0f, 0.0f, 1.0f, Math::Vec4(1, 1, 1, 1));
  Frame();
  for (int x = kCentreX - 100; x < kCentreX; x += 4) {
    EXPECT_LT(ReadPixel(x, kCentreY + 10).r, 10) << "bytes above 127 draw nothing";
  }
}

}  // namespace
