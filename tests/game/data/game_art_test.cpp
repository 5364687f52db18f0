// The committed game art drawn by the real renderer from the real texture
// list: frames come out upright, from the right row of the sheet, facing
// left unless mirrored. A sheet laid out against the list's bottom-up
// corners would show heads at the feet or another move's frames.
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "support/GraphicsTestSupport.h"

namespace {

using Framework::Sprite;
using TestSupport::Image;
using TestSupport::Pixel;

class GameArtTest : public TestSupport::RendererTest {
 protected:
  static constexpr int kScale = 2;  // a 96-px frame drawn 192 px wide
  static constexpr int kFrame = 96 * kScale;

  Image Draw(const std::string& texture, const std::string& animation, bool mirrored = false, unsigned frame = 0) {
    sprite = std::make_unique<Sprite>(nullptr, Math::Vec2(0, 0), Math::Vec2(mirrored ? -kFrame : kFrame, kFrame),
                                      0.0f, 0);
    sprite->textureID = texture;
    sprite->currentAnimSet = animation;
    Framework::GetGraphicsSystem().Update(0.016f);
    sprite->frame = frame;
    Framework::GetGraphicsSystem().RenderFrame();
    return TestSupport::ReadImage(kWidth, kHeight);
  }

  // The frame's pixel (x, y), counted in the frame's own pixels from its top-left corner.
  static Pixel At(const Image& image, int x, int y) {
    return image.At(kCentreX - kFrame / 2 + x * kScale + 1, kCentreY + kFrame / 2 - y * kScale - 1);
  }

  static bool IsSkin(const Pixel& p) { return p.r > 200 && p.g > 150 && p.g < 225 && p.b > 120 && p.b < 200; }

  static int SkinAcross(const Image& image, int y, int from, int to) {
    int count = 0;
    for (int x = from; x < to; ++x) count += IsSkin(At(image, x, y)) ? 1 : 0;
    return count;
  }

  std::unique_ptr<Sprite> sprite;
};

TEST_F(GameArtTest, GuestFramesStandUprightFaceLeftUnlessMirroredAndDieLyingDown) {
  // The tuxedo guest from the front: a face at head height, a black shoe on the ground.
  const Image front = Draw("NPCMale1", "IdleDown");
  EXPECT_GT(SkinAcross(front, 28, 38, 58), 8);
  EXPECT_EQ(SkinAcross(front, 85, 30, 66), 0) << "no skin at the feet";
  const Pixel shoe = At(front, 43, 92);
  EXPECT_LT(shoe.r + shoe.g + shoe.b, 90) << shoe;
  // The profile's face (skin) is on the left of the head, its slicked hair on the right.
  const Image left = Draw("NPCMale1", "IdleLeft");
  EXPECT_GT(SkinAcross(left, 30, 36, 47), SkinAcross(left, 30, 49, 60) + 3);
  const Image right = Draw("NPCMale1", "IdleLeft", true);
  EXPECT_GT(SkinAcross(right, 30, 49, 60), SkinAcross(right, 30, 36, 47) + 3);
  // Death's last frame, where it holds: no head up high, the head near the floor.
  const Image lying = Draw("NPCMale1", "Death", false, 4);
  EXPECT_EQ(SkinAcross(lying, 28, 30, 66), 0);
  int skinLow = 0;
  for (int y = 70; y < 92; ++y) skinLow += SkinAcross(lying, y, 0, 96);
  EXPECT_GT(skinLow, 10);
}

}  // namespace
