// Sprite animation, cloning and the layer step (no context needed).
#include <cmath>
#include <limits>
#include <memory>

#include <gtest/gtest.h>

#include "engine/core/Engine.h"
#include "engine/core/GameObject.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "engine/core/XMLSerializer.h"
#include "support/TestSupport.h"

namespace {

using Framework::AnimationRecord;
using Framework::GraphicsSystem;
using Framework::Sprite;
using Framework::Texture;

std::shared_ptr<Texture> SheetWith(const std::string& name, unsigned frames) {
  auto texture = std::make_shared<Texture>();
  texture->width = 128;
  texture->height = 64;
  AnimationRecord record{name, frames, 0, 0, 128, 32};
  texture->animations.emplace(name, Framework::Animation(record, 128, 64));
  return texture;
}

std::vector<Sprite*>& Layer(int index) { return Framework::GetGraphicsSystem().layers[index].sprites; }

bool InLayer(int index, Sprite* sprite) {
  for (Sprite* listed : Layer(index)) {
    if (listed == sprite) return true;
  }
  return false;
}

class SpriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Framework::GetGraphicsSystem().ClearLayers();
    Framework::GetEngine().paused = false;
  }
  void TearDown() override { Framework::GetEngine().paused = false; }

  // Stands in for the graphics update of a frame; mesh look-ups fail
  // quietly here because no context made the meshes.
  static void Step(float dt) {
    ::testing::internal::CaptureStderr();
    Framework::GetGraphicsSystem().Update(dt);
    ::testing::internal::GetCapturedStderr();
  }

  static std::unique_ptr<Sprite> Animated(unsigned frames, int layer = 0) {
    auto sprite = std::make_unique<Sprite>(nullptr, Math::Vec2(0, 0), Math::Vec2(10, 10), 0.0f, layer);
    sprite->texture = SheetWith("Walk", frames);
    sprite->currentAnimSet = "Walk";
    sprite->dirty = false;
    return sprite;
  }
};

TEST_F(SpriteTest, LoopingAnimationStepsOnceEveryFrameDelay) {
  auto sprite = Animated(4);
  std::vector<unsigned> frames;
  for (int i = 0; i < 12; ++i) {
    sprite->UpdateAnimation(0.1f);
    frames.push_back(sprite->frame);
  }
  // 0.1 + 0.1 is not past 0.2; the third call is.
  EXPECT_EQ(frames, (std::vector<unsigned>{0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 0}));
}

TEST_F(SpriteTest, NonLoopingAnimationStopsOnItsLastFrame) {
  auto sprite = Animated(4);
  sprite->loop = false;
  for (int i = 0; i < 40; ++i) sprite->UpdateAnimation(0.3f);
  EXPECT_EQ(sprite->frame, 3u);
  EXPECT_TRUE(sprite->IsAnimationFinished());
}

TEST_F(SpriteTest, AnimationWithoutFramesIsFinishedAtOnceAndReadsNoFrame) {
  auto sprite = Animated(0);
  EXPECT_TRUE(sprite->IsAnimationFinished());
  for (int i = 0; i < 5; ++i) sprite->UpdateAnimation(0.3f);
  EXPECT_EQ(sprite->frame, 0u);
  EXPECT_TRUE(sprite->IsAnimationFinished());
  ::testing::internal::CaptureStderr();
  sprite->UploadFrameUVs();
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

  Sprite bare(nullptr, {0, 0}, {1, 1}, 0, 0);
  EXPECT_TRUE(bare.IsAnimationFinished()) << "no texture";
  bare.texture = std::make_shared<Texture>();
  EXPECT_TRUE(bare.IsAnimationFinished()) << "a texture without animations";
}

TEST_F(SpriteTest, PlayAnimationRestartsOnlyForANewName) {
  auto sprite = Animated(4);
  sprite->frame = 2;
  sprite->PlayAnimation("Walk");
  EXPECT_EQ(sprite->frame, 2u);
  sprite->PlayAnimation("Run");
  EXPECT_EQ(sprite->frame, 0u);
  EXPECT_EQ(sprite->SelectedAnimation(), &sprite->texture->animations.at("Walk"))
      << "an unknown name shows the texture's first animation";
}

TEST_F(SpriteTest, CloneStartsWithFreshTimingInLayerZero) {
  auto original = Animated(4, 6);
  original->frameDelay = 0.5f;
  original->loop = false;
  original->shake = true;
  original->frame = 2;
  original->colour = Math::Vec4(0.5f, 0.25f, 1, 1);
  std::unique_ptr<Sprite> clone(static_cast<Sprite*>(original->Clone(nullptr)));
  EXPECT_FLOAT_EQ(clone->frameDelay, 0.2f);
  EXPECT_TRUE(clone->loop);
  EXPECT_FALSE(clone->shake);
  EXPECT_EQ(clone->frame, 2u);
  EXPECT_EQ(clone->layer, 6);
  EXPECT_EQ(clone->texture, original->texture);
  EXPECT_FLOAT_EQ(clone->colour.g, 0.25f);
  EXPECT_TRUE(InLayer(0, clone.get()));
  EXPECT_TRUE(InLayer(6, original.get()));
}

TEST_F(SpriteTest, DirtySpritesMoveToTheEndOfTheirNewLayerInUpdate) {
  auto resident = Animated(1, 5);
  auto mover = Animated(1, 0);
  mover->SetLayer(5);
  EXPECT_TRUE(InLayer(0, mover.get())) << "nothing moves before the update";
  Step(0.016f);
  EXPECT_FALSE(InLayer(0, mover.get()));
  ASSERT_EQ(Layer(5).size(), 2u);
  EXPECT_EQ(Layer(5)[1], mover.get());
  EXPECT_FALSE(mover->dirty);
}

TEST_F(SpriteTest, MovingASpriteAlreadyInItsOwnLayerChangesNothing) {
  auto sprite = Animated(1, 3);
  Framework::GetGraphicsSystem().MoveSpriteToLayer(sprite.get(), 3);
  EXPECT_EQ(Layer(3).size(), 1u);
}

TEST_F(SpriteTest, WhilePausedOnlyLayerNineIsUpdated) {
  auto world = Animated(4, 3);
  auto overlay = Animated(4, 9);
  world->SetLayer(4);
  overlay->SetLayer(10);
  Framework::GetEngine().paused = true;
  for (int i = 0; i < 3; ++i) Step(0.3f);
  EXPECT_EQ(world->frame, 0u);
  EXPECT_TRUE(InLayer(3, world.get()));
  EXPECT_GT(overlay->frame, 0u);
  EXPECT_TRUE(InLayer(10, overlay.get()));
  Framework::GetEngine().paused = false;
  Step(0.3f);
  EXPECT_TRUE(InLayer(4, world.get()));
}

TEST_F(SpriteTest, DisabledSpritesNeitherAnimateNorMove) {
  auto sprite = Animated(4, 2);
  sprite->enabled = false;
  sprite->SetLayer(7);
  Step(0.3f);
  EXPECT_EQ(sprite->frame, 0u);
  EXPECT_TRUE(InLayer(2, sprite.get()));
}

TEST_F(SpriteTest, LayerOneDrawsHigherWorldYFirst) {
  Framework::GameObject high(Math::Vec3(0, 100, 0));
  Framework::GameObject low(Math::Vec3(0, 50, 0));
  auto lowSprite = std::make_unique<Sprite>(&low, Math::Vec2(0, 0), Math::Vec2(1, 1), 0.0f, 1);
  auto highSprite = std::make_unique<Sprite>(&high, Math::Vec2(0, 0), Math::Vec2(1, 1), 0.0f, 1);
  lowSprite->dirty = highSprite->dirty = false;
  Step(0.016f);
  ASSERT_EQ(Layer(1).size(), 2u);
  EXPECT_EQ(Layer(1)[0], highSprite.get());
  // A +60 offset lifts the lower guest to 110: now it is drawn first.
  lowSprite->position.y = 60;
  Step(0.016f);
  EXPECT_EQ(Layer(1)[0], lowSprite.get());
}

TEST_F(SpriteTest, LayerOneSortSurvivesUndefinedHeights) {
  // Enough sprites for the full sort, every third one at an undefined height.
  std::vector<std::unique_ptr<Framework::GameObject>> owners;
  std::vector<std::unique_ptr<Sprite>> sprites;
  for (int i = 0; i < 60; ++i) {
    const float y = i % 3 == 0 ? std::nanf("") : static_cast<float>((i * 37) % 101);
    owners.push_back(std::make_unique<Framework::GameObject>(Math::Vec3(0, y, 0)));
    sprites.push_back(std::make_unique<Sprite>(owners.back().get(), Math::Vec2(0, 0), Math::Vec2(1, 1), 0.0f, 1));
    sprites.back()->dirty = false;
  }
  Step(0.016f);
  ASSERT_EQ(Layer(1).size(), 60u);
  float previous = std::numeric_limits<float>::infinity();
  for (Sprite* sprite : Layer(1)) {
    const float y = sprite->WorldPosition().y;
    if (std::isnan(y)) continue;
    EXPECT_LE(y, previous);
    previous = y;
  }
  EXPECT_TRUE(std::isnan(Layer(1).back()->WorldPosition().y)) << "undefined heights are drawn last";
}

TEST_F(SpriteTest, DestroyedSpritesLeaveTheirLayer) {
  auto sprite = Animated(1, 8);
  Sprite* address = sprite.get();
  sprite.reset();
  EXPECT_FALSE(InLayer(8, address));
  EXPECT_TRUE(Layer(8).empty());
}

TEST_F(SpriteTest, ArchetypeFieldsAndOutOfRangeLayers) {
  TestSupport::TempFolder folder;
  const auto path = folder.Write("sprite.xml",
                                 "<Sprite><position Vec2=\"1,2\"/><size Vec2=\"-30,40\"/>"
                                 "<layer unsigned=\"14\"/><loop bool=\"FALSE\"/><frameDelay float=\"0.5\"/>"
                                 "</Sprite>");
  Framework::XMLSerializer reader;
  ASSERT_TRUE(reader.Open(path.string(), Framework::XMLSerializer::kRead));
  Sprite sprite(nullptr, {0, 0}, {100, 100}, 0.0f, 0);
  ::testing::internal::CaptureStderr();
  sprite.Deserialize(reader);
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("Error: Sprite layer 14"), std::string::npos) << errors;
  EXPECT_EQ(sprite.layer, 0);
  EXPECT_FLOAT_EQ(sprite.size.x, -30.0f);
  EXPECT_FLOAT_EQ(sprite.position.y, 2.0f);
  EXPECT_FALSE(sprite.loop);
  EXPECT_FLOAT_EQ(sprite.frameDelay, 0.5f);
  EXPECT_EQ(sprite.textureID, "blank") << "the default texture";
  EXPECT_EQ(sprite.currentAnimSet, "");

  ::testing::internal::CaptureStderr();
  Sprite direct(nullptr, {0, 0}, {1, 1}, 0.0f, -3);
  direct.SetLayer(12);
  const std::string directErrors = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(directErrors.find("Error: Sprite layer -3"), std::string::npos) << directErrors;
  EXPECT_NE(directErrors.find("Error: Sprite layer 12"), std::string::npos) << directErrors;
  EXPECT_EQ(direct.layer, 0);
  EXPECT_TRUE(InLayer(0, &direct));
}

TEST(TextQueueTest, EveryFrameEmptiesTheQueueEvenWithoutAContext) {
  Framework::GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  GraphicsSystem::QueueText("Score", -500.0f, 0.0f, 0.5f, Math::Vec4(1, 1, 1, 1));
  GraphicsSystem::QueueText("Kills", -500.0f, 40.0f, 0.5f, Math::Vec4(1, 1, 1, 1));
  ASSERT_EQ(graphics.textQueue.size(), 2u);
  EXPECT_EQ(graphics.textQueue[1].text, "Kills");
  graphics.RenderFrame();
  EXPECT_TRUE(graphics.textQueue.empty());
}

}  // namespace
