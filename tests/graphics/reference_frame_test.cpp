// One busy scene drawn by the real renderer and compared, pixel by pixel,
// with pictures of the same scene committed in tests/graphics/data: however
// the draw path changes, the frame must stay the same. The scene holds
// sprites on several world and UI layers, a sorted layer 1, a mirrored, a
// rotated, a shaking and a disabled sprite, particles, queued texts, a text
// and debug shapes drawn after the passes, and each post effect and fade.
// CORVIDALE_WRITE_REFERENCES=1 writes the pictures instead of comparing.
#include <cstdlib>
#include <iterator>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/core/GameObject.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/ParticleEmitter.h"
#include "engine/graphics/Sprite.h"
#include "support/GraphicsTestSupport.h"

namespace {

using Framework::GameObject;
using Framework::GraphicsSystem;
using Framework::Sprite;

constexpr float kFrameTime = 0.05f;
constexpr int kFrames = 12;
// Colours may differ by this much (rounding); anything more is a change.
constexpr int kTolerance = 1;

// A 64 x 32 picture with a different colour in every texel and a
// see-through band, so a wrong texture corner or blend shows at once.
std::vector<unsigned char> PatternPixels() {
  std::vector<unsigned char> pixels;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 64; ++x) {
      pixels.push_back(static_cast<unsigned char>(x * 4));
      pixels.push_back(static_cast<unsigned char>(y * 8));
      pixels.push_back(static_cast<unsigned char>(((x ^ y) & 1) * 200 + 40));
      pixels.push_back(static_cast<unsigned char>(y >= 12 && y < 16 ? 96 : 255));
    }
  }
  return pixels;
}

void CreatePatternTextures(Framework::TextureFactory& textures) {
  if (textures.Has("reference_strip")) return;
  const std::vector<unsigned char> pixels = PatternPixels();
  for (const char* name : {"reference_strip", "reference_whole"}) {
    textures.CreateTexture(name, 64, 32, 1, GL_RGBA8, GL_RGBA, pixels.data(), GL_REPEAT, GL_REPEAT, GL_NEAREST,
                           GL_NEAREST);
  }
  textures.GetTexture("reference_strip")->animations["Walk"] =
      Framework::Animation(Framework::AnimationRecord{"Walk", 4, 0, 0, 64, 16}, 64, 32);
}

Framework::EmitterSettings Sparks(float direction) {
  Framework::EmitterSettings settings;
  settings.maxParticles = 30;
  settings.emissionRate = 1;
  settings.loopEmission = true;
  settings.particleLayer = 3;
  settings.particleScaleMin = settings.particleScaleMax = 5;
  settings.particleSpeedMin = settings.particleSpeedMax = 50;
  settings.particleDirectionMin = settings.particleDirectionMax = direction;
  settings.particleLifetimeMin = settings.particleLifetimeMax = 0.45f;
  settings.particleColorStart = Math::Vec4(1, 0.9f, 0.2f, 1);
  settings.particleColorEnd = Math::Vec4(1, 0.1f, 0.1f, 0.2f);
  settings.textureID = "blank";
  return settings;
}

struct Look {
  const char* post;
  bool spotlight;
  float fade;
};

class ReferenceFrameTest : public TestSupport::RendererTest {
 protected:
  void SetUp() override {
    RendererTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    CreatePatternTextures(*graphics().textures);
  }

  void TearDown() override {
    Clear();
    graphics().skipNeutralPasses = graphics().leanSprites = graphics().turnBeforeCopy = true;
  }

  void Clear() {
    emitters.clear();
    sprites.clear();
    objects.clear();
    graphics().ClearLayers();
  }

  // The scene from its start again, drawn in the look, read back. The shake
  // and the grain follow the renderer's clock, which starts again too.
  TestSupport::Image Redraw(const Look& look) {
    Clear();
    graphics().time = 0.0f;
    BuildScene();
    Show(look);
    return TestSupport::ReadImage(kWidth, kHeight);
  }

  static GraphicsSystem& graphics() { return Framework::GetGraphicsSystem(); }

  GameObject* Object(float x, float y, float scale = 1.0f, float rotation = 0.0f) {
    objects.push_back(std::make_unique<GameObject>(Math::Vec3(x, y, 0), Math::Vec3(scale, scale, 1), rotation));
    return objects.back().get();
  }

  Sprite* Add(GameObject* owner, int layer, Math::Vec2 at, Math::Vec2 size, const std::string& texture,
              Math::Vec4 colour) {
    sprites.push_back(std::make_unique<Sprite>(owner, at, size, 0.0f, layer));
    Sprite* sprite = sprites.back().get();
    sprite->textureID = texture;
    sprite->colour = colour;
    return sprite;
  }

  Sprite* Walker(GameObject* owner, int layer, Math::Vec2 at, Math::Vec2 size, unsigned frame, Math::Vec4 colour) {
    Sprite* sprite = Add(owner, layer, at, size, "reference_strip", colour);
    sprite->currentAnimSet = "Walk";
    sprite->frame = frame;
    return sprite;
  }

  void BuildScene() {
    const Math::Vec4 white(1, 1, 1, 1);
    Add(nullptr, 0, {0, 0}, {300, 220}, "blank", Math::Vec4(0.15f, 0.2f, 0.35f, 1));
    Add(nullptr, 0, {-110, 60}, {96, 48}, "reference_whole", white);
    // Listed top to bottom in the wrong order; the sort puts them right.
    Walker(Object(-20, -10), 1, {0, 0}, {48, 48}, 0, white);
    Walker(Object(0, 30, 1.2f), 1, {0, 0}, {48, 48}, 1, Math::Vec4(1, 0.6f, 0.6f, 1));
    Walker(Object(20, 10, 1.0f, 15.0f), 1, {0, 4}, {48, 48}, 2, Math::Vec4(0.6f, 1, 0.6f, 0.8f));
    Sprite* turned = Add(nullptr, 2, {60, 40}, {70, 35}, "reference_whole", Math::Vec4(1, 1, 1, 0.6f));
    turned->angle = 30.0f;
    Walker(nullptr, 5, {110, 70}, {-48, 48}, 2, white);
    Sprite* shaking = Add(nullptr, 9, {-20, -90}, {30, 12}, "blank", Math::Vec4(0.9f, 0.5f, 0.1f, 1));
    shaking->shake = true;
    Add(nullptr, 4, {0, 0}, {200, 200}, "blank", Math::Vec4(1, 0, 0, 1))->enabled = false;
    Add(nullptr, 10, {120, -95}, {60, 24}, "blank", Math::Vec4(0.2f, 0.8f, 0.3f, 0.8f));
    Walker(nullptr, 11, {135, -90}, {24, 24}, 3, white);
    for (const auto& [x, y, direction] : {std::tuple{-60.0f, -60.0f, 60.0f}, {80.0f, -50.0f, 150.0f}}) {
      emitters.push_back(std::make_unique<Framework::ParticleEmitter>(Object(x, y)));
      emitters.back()->Configure(Sparks(direction));
    }
  }

  void Show(const Look& look) {
    GraphicsSystem::SetPostEffect(look.post);
    GraphicsSystem::SetSpotlight(look.spotlight, {20, 10}, 90.0f);
    graphics().SetOverlayFade(look.fade);
    const float fade = look.fade;
    graphics().SetSceneFadeSource([fade] { return fade; });
    for (int frame = 0; frame < kFrames; ++frame) {
      for (auto& emitter : emitters) emitter->UpdateEmitter(kFrameTime);
      GraphicsSystem::QueueText("Corvidale 19", -150.0f, -112.0f, 0.5f, Math::Vec4(1, 0.9f, 0.3f, 1));
      graphics().Update(kFrameTime);
      graphics().RenderFrame();
    }
    // What the frame loop draws after the passes: debug shapes, then the scene's own texts.
    GraphicsSystem::DrawDebugLine({-150, 100}, {-60, 80}, Math::Vec4(0, 1, 1, 1));
    GraphicsSystem::DrawDebugQuad(false, {60, 40}, 50, 30, Math::Vec4(1, 1, 0, 1));
    graphics().DrawText("12", 100.0f, 90.0f, 0.4f, Math::Vec4(1, 1, 1, 1));
  }

  void CompareWithReference(const std::string& name, const TestSupport::Image& drawn) {
    const std::string path = TestSupport::GraphicsTestData("reference_" + name + ".png");
    const char* write = std::getenv("CORVIDALE_WRITE_REFERENCES");
    if (write != nullptr && std::string(write) == "1") {
      EXPECT_TRUE(TestSupport::SavePng(drawn, path)) << path;
      return;
    }
    TestSupport::Image expected;
    ASSERT_TRUE(TestSupport::LoadPng(path, expected)) << "no reference picture " << path;
    const TestSupport::ImageDifference difference = TestSupport::CompareImages(expected, drawn, kTolerance);
    if (difference.pixels == 0) return;
    const std::string keep = ::testing::TempDir() + "reference_" + name + "_drawn.png";
    TestSupport::SavePng(drawn, keep);
    ADD_FAILURE() << difference.pixels << " pixels differ from " << path << ", first " << difference.first
                  << "; the frame drawn is in " << keep;
  }

  std::vector<std::unique_ptr<GameObject>> objects;
  std::vector<std::unique_ptr<Sprite>> sprites;
  std::vector<std::unique_ptr<Framework::ParticleEmitter>> emitters;
};

// The shortcuts (skipped neutral effects, the lean sprite programs) against
// the full path, to the last bit.
TEST_F(ReferenceFrameTest, EffectsThatChangeNoPixelAreSkipped) {
  // Both effects neutral, only the post effect, only the overlay.
  const Look looks[] = {{"POST_NORMAL", false, 0.0f}, {"POST_NORMAL", false, 0.4f}, {"POST_FALLOUT", false, 0.0f}};
  for (size_t i = 0; i < std::size(looks); ++i) {
    graphics().skipNeutralPasses = graphics().leanSprites = false;
    const TestSupport::Image full = Redraw(looks[i]);
    EXPECT_EQ(graphics().EffectPassesDrawn(), 2);
    graphics().skipNeutralPasses = graphics().leanSprites = true;
    const TestSupport::Image quick = Redraw(looks[i]);
    EXPECT_EQ(graphics().EffectPassesDrawn(), 1) << looks[i].post << " fade " << looks[i].fade;
    const TestSupport::ImageDifference difference = TestSupport::CompareImages(full, quick, 0);
    EXPECT_EQ(difference.pixels, 0) << looks[i].post << " fade " << looks[i].fade << ": " << difference.first;
  }
  Redraw({"POST_NORMAL", true, 0.0f});
  EXPECT_EQ(graphics().EffectPassesDrawn(), 1) << "the spotlight is drawn, the overlay still skipped";
  Redraw({"POST_BLACKWHITE", false, 0.2f});
  EXPECT_EQ(graphics().EffectPassesDrawn(), 2);
}

// Without effects the world image goes to the window turned over and read
// back from its last row (quicker on Mesa's software renderer) or straight.
TEST_F(ReferenceFrameTest, TurningTheWorldImageOverOnTheWayChangesNoPixel) {
  ASSERT_TRUE(graphics().shaders.IsLoaded("UPSIDE_DOWN"));
  graphics().turnBeforeCopy = false;
  const TestSupport::Image straight = Redraw({"POST_NORMAL", false, 0.0f});
  graphics().turnBeforeCopy = true;
  const TestSupport::ImageDifference difference =
      TestSupport::CompareImages(straight, Redraw({"POST_NORMAL", false, 0.0f}), 0);
  EXPECT_EQ(difference.pixels, 0) << difference.first;
}

TEST_F(ReferenceFrameTest, EveryLookDrawsItsReferencePicture) {
  const std::pair<const char*, Look> pictures[] = {
      {"plain", {"POST_NORMAL", false, 0.0f}},         {"plain_fade", {"POST_NORMAL", false, 0.5f}},
      {"spotlight_fade", {"POST_NORMAL", true, 0.3f}}, {"fallout", {"POST_FALLOUT", false, 0.0f}},
      {"blackwhite", {"POST_BLACKWHITE", true, 0.6f}}};
  for (const auto& [name, look] : pictures) CompareWithReference(name, Redraw(look));
}

}  // namespace
