// Sprites go out in batches: one draw call per run of sprites that share a
// texture, in draw order, read back from the window under Xvfb.
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "support/GraphicsTestSupport.h"

namespace {

using Framework::GraphicsSystem;
using Framework::Sprite;
using TestSupport::Pixel;
using TestSupport::ReadPixel;

class SpriteBatchTest : public TestSupport::RendererTest {
 protected:
  void TearDown() override { sprites.clear(); }

  static GraphicsSystem& graphics() { return Framework::GetGraphicsSystem(); }

  Sprite* Add(int layer, float x, float size, const std::string& texture, Math::Vec4 colour) {
    sprites.push_back(std::make_unique<Sprite>(nullptr, Math::Vec2(x, 0), Math::Vec2(size, size), 0.0f, layer));
    sprites.back()->textureID = texture;
    sprites.back()->colour = colour;
    return sprites.back().get();
  }

  static void Frame() {
    graphics().Update(0.016f);
    graphics().RenderFrame();
  }

  std::vector<std::unique_ptr<Sprite>> sprites;
};

const Math::Vec4 kRed(1, 0, 0, 1);
const Math::Vec4 kGreen(0, 1, 0, 1);
const Math::Vec4 kBlue(0, 0, 1, 1);

TEST_F(SpriteBatchTest, RunsOfOneTextureShareADrawCallAcrossLayersAndTints) {
  for (int i = 0; i < 40; ++i) Add(i % 3 * 4, -150.0f + i * 7, 6, "blank", i % 2 ? kRed : kGreen);
  Frame();
  EXPECT_EQ(graphics().SpriteDrawCalls(), 1);
  EXPECT_GT(ReadPixel(kCentreX - 150, kCentreY).g, 240) << "the first sprite's own tint";
  EXPECT_GT(ReadPixel(kCentreX - 143, kCentreY).r, 240) << "the second sprite's own tint";

  Add(10, 0, 10, "blank", kBlue);
  Add(11, 40, 10, "blank", kBlue);
  Frame();
  EXPECT_EQ(graphics().SpriteDrawCalls(), 2) << "the UI pass draws its own batch";
}

TEST_F(SpriteBatchTest, OpaqueRunsAreDrawnApartFromSeeThroughOnesWithTheSamePixels) {
  graphics().textures->LoadTexture("batch_red", TestSupport::GraphicsTestData("red.png"), {});
  graphics().textures->LoadTexture("batch_sheet", TestSupport::GraphicsTestData("sheet_128x64.png"), {});
  EXPECT_TRUE(graphics().GetTexture("batch_red")->opaque) << "an image without alpha";
  EXPECT_FALSE(graphics().GetTexture("batch_sheet")->opaque) << "its upper half is half see-through";
  Add(0, 0, 200, "blank", kGreen);
  Add(0, -60, 64, "batch_red", Math::Vec4(1, 1, 1, 1));
  Add(0, 60, 64, "batch_red", Math::Vec4(1, 1, 1, 0.5f));
  Frame();
  EXPECT_EQ(graphics().SpriteDrawCalls(), 3) << "the tinted blank is opaque too, but of another texture";
  const Pixel covered = ReadPixel(kCentreX - 60, kCentreY);
  EXPECT_EQ(covered.r, 255) << covered;
  EXPECT_EQ(covered.g, 0) << "nothing of the green beneath: " << covered;
  const Pixel halfway = ReadPixel(kCentreX + 60, kCentreY);
  EXPECT_NEAR(halfway.r, 128, 1) << "half red over green: " << halfway;
  EXPECT_NEAR(halfway.g, 128, 1) << halfway;
}

// Plain sprites go out with the plainest program, tinted ones with the
// tinting one; a scene fade hands both to the full program.
TEST_F(SpriteBatchTest, PlainAndTintedRunsKeepTheirColoursWithAndWithoutAFade) {
  const Math::Vec4 plain(1, 1, 1, 1);
  for (float x : {-40.0f, 0.0f, 40.0f}) Add(10, x, 20, "blank", x == 0.0f ? kRed : plain);
  for (float fade : {0.0f, 0.5f}) {
    graphics().SetSceneFadeSource([fade] { return fade; });
    Frame();
    EXPECT_EQ(graphics().SpriteDrawCalls(), 3) << "plain, tinted, plain; fade " << fade;
    const int lit = fade == 0.0f ? 255 : 128;
    const Pixel white = ReadPixel(kCentreX + 40, kCentreY), red = ReadPixel(kCentreX, kCentreY);
    EXPECT_NEAR(white.r, lit, 1) << white;
    EXPECT_NEAR(white.g, lit, 1) << white;
    EXPECT_NEAR(red.r, lit, 1) << red;
    EXPECT_EQ(red.g, 0) << red;
  }
  graphics().SetSceneFadeSource(nullptr);
}

TEST_F(SpriteBatchTest, ASpriteOfAnotherMeshIsDrawnOnItsOwnInItsPlace) {
  Add(2, 0, 100, "blank", kRed);
  // The whole-screen mesh reaches twice as far as the unit quad.
  Sprite* wide = Add(2, 0, 30, "blank", kGreen);
  wide->SetMesh("NDC");
  Add(2, 0, 20, "blank", kBlue);
  Frame();
  Frame();  // the first update gives the sprite its new mesh
  EXPECT_EQ(graphics().SpriteDrawCalls(), 3);
  EXPECT_GT(ReadPixel(kCentreX, kCentreY).b, 240);
  EXPECT_GT(ReadPixel(kCentreX + 20, kCentreY).g, 240) << "the other mesh, over the first sprite";
  EXPECT_GT(ReadPixel(kCentreX + 40, kCentreY).r, 240);

  wide->SetMesh("no such mesh");
  Frame();
  EXPECT_EQ(graphics().SpriteDrawCalls(), 1) << "a sprite without a mesh is skipped";
  EXPECT_GT(ReadPixel(kCentreX + 20, kCentreY).r, 240);
}

}  // namespace
