// A shader list without post or overlay shaders (or none at all): frames
// still reach the window, and nothing touching the effects crashes.
#include <memory>

#include <gtest/gtest.h>

#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "support/GraphicsTestSupport.h"
#include "support/TestSupport.h"

namespace {

using Framework::GraphicsSystem;

constexpr int kWidth = 200;
constexpr int kHeight = 160;

void InitializeIn(const TestSupport::TempFolder& folder) {
  TestSupport::ScopedWorkingFolder inside(folder.Path());
  GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  graphics.windowWidth = kWidth;
  graphics.windowHeight = kHeight;
  graphics.Initialize();
}

void ExerciseEffects() {
  GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  GraphicsSystem::SetSpotlight(true, {0, 0}, 100.0f);
  GraphicsSystem::SetPostEffect("POST_BLACKWHITE");
  graphics.SetOverlayFade(0.5f);
  graphics.Update(0.016f);
  graphics.RenderFrame();
  GraphicsSystem::SetSpotlight(false, {0, 0}, 0.0f);
}

TEST(NoEffectsTest, WorldImageIsCopiedStraightThroughWithOneErrorLine) {
  SKIP_WITHOUT_DISPLAY();
  ASSERT_TRUE(TestSupport::OpenGLWindow(kWidth, kHeight));
  const std::string shaders = std::string(CORVIDALE_SOURCE_ROOT) + "/Resources/shaders/";
  TestSupport::TempFolder folder;
  folder.Write("Resources/shaderinit.xml",
               "<DEFAULT><fragment path=\"" + shaders + "default.frag\"/><vertex path=\"" + shaders +
                   "default.vert\"/></DEFAULT>");
  folder.Write("Resources/texture.xml", "<TEXTURELIST><blank><filepath string=\"" +
                                            std::string(CORVIDALE_SOURCE_ROOT) +
                                            "/Resources/textures/blank.png\"/></blank></TEXTURELIST>");
  ::testing::internal::CaptureStderr();
  InitializeIn(folder);
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("Error: Resources/shaderinit.xml lists no post or no overlay shader"), std::string::npos)
      << errors;

  Framework::Sprite sprite(nullptr, {0, 0}, {60, 60}, 0.0f, 0);
  sprite.textureID = "blank";
  sprite.colour = Math::Vec4(0, 0, 1, 1);
  ExerciseEffects();
  const TestSupport::Pixel centre = TestSupport::ReadPixel(kWidth / 2, kHeight / 2);
  EXPECT_GT(centre.b, 240) << centre;
  EXPECT_LT(centre.r, 10) << centre;
  EXPECT_LT(TestSupport::ReadPixel(3, 3).b, 10);
  Framework::GetGraphicsSystem().Shutdown();
}

TEST(NoEffectsTest, MissingResourceFilesDoNotCrash) {
  SKIP_WITHOUT_DISPLAY();
  ::testing::FLAGS_gtest_death_test_style = "threadsafe";
  EXPECT_EXIT(
      {
        if (!TestSupport::OpenGLWindow(kWidth, kHeight)) std::exit(3);
        TestSupport::TempFolder empty;
        InitializeIn(empty);
        Framework::Sprite sprite(nullptr, {0, 0}, {60, 60}, 0.0f, 0);
        sprite.textureID = "blank";
        ExerciseEffects();
        GraphicsSystem::QueueText("text without a font", 0, 0, 1.0f, Math::Vec4(1, 1, 1, 1));
        ExerciseEffects();
        Framework::GetGraphicsSystem().Shutdown();
        TestSupport::ExitClosingContext(0);
      },
      ::testing::ExitedWithCode(0), "Failed to load font");
}

}  // namespace
