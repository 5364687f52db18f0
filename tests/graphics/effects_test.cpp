// Named effects: prototypes from "efx" objects, pooled copies, stopping,
// pausing and following a target that may be destroyed.
#include <limits>

#include <gtest/gtest.h>

#include "engine/core/Engine.h"
#include "engine/core/GameObject.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/VScene.h"
#include "engine/graphics/EfxManager.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"

namespace {

using Framework::EfxManager;
using Framework::GameObject;

class EffectsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::testing::internal::CaptureStdout();  // clone lines
    ::testing::internal::CaptureStderr();  // no meshes without a context
    GameObject* emote = MakeObject("Emote", "efx");
    emote->AddComponent(std::make_shared<Framework::Sprite>(emote, Math::Vec2(0, 0), Math::Vec2(10, 10), 0.0f, 2));
    MakeObject("Dots", "efx");
    MakeObject("Guest", "enemy");
    manager().Clear();
    manager().SetScene(&scene);
    manager().LoadSceneEffects();
    Framework::GetEngine().paused = false;
    Framework::GetEngine().dt = 0.5f;
  }

  void TearDown() override {
    manager().Clear();
    manager().SetScene(nullptr);
    Framework::GetFactory().DestroyAllObjects();
    Framework::GetGraphicsSystem().ClearLayers();
    Framework::GetEngine().paused = false;
    ::testing::internal::GetCapturedStderr();
    ::testing::internal::GetCapturedStdout();
  }

  GameObject* MakeObject(const std::string& name, const std::string& tag) {
    auto object = Framework::GetFactory().CreateEmptyObject(Math::Vec3(0, 0, 0), Math::Vec3(1, 1, 1), 0.0f);
    object->SetName(name);
    object->SetTag(tag);
    scene.objects.push_back(object.get());
    return object.get();
  }

  static EfxManager& manager() { return EfxManager::Instance(); }
  size_t PoolSize(const std::string& name) {
    auto pool = manager().Pools().find(name);
    return pool == manager().Pools().end() ? 0 : pool->second.size();
  }

  Framework::VScene scene;
};

TEST_F(EffectsTest, OnlyEfxObjectsArePlayable) {
  EXPECT_TRUE(manager().Play("Guest", Math::Vec3(0, 0, 0), 1.0f, "").expired());
  EXPECT_TRUE(manager().Play("Nothing", Math::Vec3(0, 0, 0), 1.0f, "").expired());
  EXPECT_FALSE(manager().Play("Dots", Math::Vec3(0, 0, 0), 1.0f, "").expired()) << "no sprite is fine";
}

TEST_F(EffectsTest, BusyCopiesAreClonedAndIdleOnesReused) {
  auto first = manager().Play("Emote", Math::Vec3(10, 20, 0), 1.0f, "Happy").lock();
  auto second = manager().Play("Emote", Math::Vec3(30, 40, 0), 3.0f, "").lock();
  ASSERT_TRUE(first && second);
  EXPECT_NE(first, second);
  EXPECT_EQ(PoolSize("Emote"), 2u);
  EXPECT_EQ(first->object->GetTransform().position.x, 10.0f);
  EXPECT_TRUE(first->sprite->enabled);
  EXPECT_EQ(first->sprite->currentAnimSet, "Happy");

  manager().Update();
  manager().Update();  // 1.0 s: the first one is done
  EXPECT_FALSE(first->playing);
  EXPECT_FALSE(first->sprite->enabled);
  EXPECT_TRUE(second->playing);

  auto third = manager().Play("Emote", Math::Vec3(0, 0, 0), 1.0f, "").lock();
  EXPECT_EQ(third, first);
  EXPECT_EQ(PoolSize("Emote"), 2u);
}

TEST_F(EffectsTest, StopHidesEveryCopyOfThatName) {
  auto a = manager().Play("Emote", Math::Vec3(0, 0, 0), std::numeric_limits<float>::max(), "").lock();
  auto b = manager().Play("Emote", Math::Vec3(0, 0, 0), std::numeric_limits<float>::max(), "").lock();
  manager().Stop("Never played");
  EXPECT_TRUE(a->playing);
  manager().Stop("Emote");
  EXPECT_FALSE(a->playing);
  EXPECT_FALSE(b->playing);
  EXPECT_FALSE(b->sprite->enabled);
}

TEST_F(EffectsTest, NothingCountsDownOrFollowsWhilePaused) {
  GameObject* guest = scene.FindObject("Guest");
  auto mark = manager().Play("Emote", Math::Vec3(0, 0, 0), 1.0f, "").lock();
  mark->Attach(&guest->GetTransform(), Math::Vec3(0, 50, 0));
  Framework::GetEngine().paused = true;
  guest->GetTransform().position = Math::Vec3(100, 0, 0);
  for (int i = 0; i < 4; ++i) manager().Update();
  EXPECT_TRUE(mark->playing);
  EXPECT_FLOAT_EQ(mark->remaining, 1.0f);
  EXPECT_FLOAT_EQ(mark->object->GetTransform().position.x, 0.0f);
  Framework::GetEngine().paused = false;
  Framework::GetEngine().dt = 0.1f;
  manager().Update();
  EXPECT_FLOAT_EQ(mark->object->GetTransform().position.x, 100.0f);
  EXPECT_FLOAT_EQ(mark->object->GetTransform().position.y, 50.0f);
}

TEST_F(EffectsTest, EffectsStayInsideTheBoundsUntilTheSceneChanges) {
  GameObject* guest = scene.FindObject("Guest");
  manager().bounds.top = 100.0f;
  // The emote is 10 high: shown or following, its top never passes 100.
  auto shown = manager().Play("Emote", Math::Vec3(0, 120, 0), std::numeric_limits<float>::max(), "").lock();
  EXPECT_FLOAT_EQ(shown->object->GetTransform().position.y, 95.0f);
  shown->Attach(&guest->GetTransform(), Math::Vec3(0, 50, 0));
  EXPECT_FLOAT_EQ(shown->object->GetTransform().position.y, 50.0f) << "room enough above the guest";
  guest->GetTransform().position = Math::Vec3(30, 80, 0);
  manager().Update();
  EXPECT_FLOAT_EQ(shown->object->GetTransform().position.x, 30.0f);
  EXPECT_FLOAT_EQ(shown->object->GetTransform().position.y, 95.0f);

  // A bubble up and left of a guest by a wall of the view slides just
  // inside; one over a guest outside the view stays out of sight with her.
  manager().bounds = {-200.0f, -100.0f, 200.0f, 100.0f};
  shown->Attach(&guest->GetTransform(), Math::Vec3(-25, 50, 0));
  for (const auto& [at, expected] : {std::pair<Math::Vec3, Math::Vec2>{{-195, 0, 0}, {-195, 50}},
                                     {{0, 90, 0}, {-25, 95}},
                                     {{225, 0, 0}, {200, 50}},
                                     {{0, -190, 0}, {-25, -140}}}) {
    guest->GetTransform().position = at;
    manager().Update();
    EXPECT_FLOAT_EQ(shown->object->GetTransform().position.x, expected.x) << "guest at " << at.x << ", " << at.y;
    EXPECT_FLOAT_EQ(shown->object->GetTransform().position.y, expected.y) << "guest at " << at.x << ", " << at.y;
  }

  manager().Clear();
  EXPECT_EQ(manager().bounds.left, -std::numeric_limits<float>::infinity());
}

TEST_F(EffectsTest, ADestroyedTargetIsLeftBehindSafely) {
  GameObject* guest = scene.FindObject("Guest");
  guest->GetTransform().position = Math::Vec3(7, 8, 0);
  auto mark = manager().Play("Emote", Math::Vec3(0, 0, 0), std::numeric_limits<float>::max(), "").lock();
  mark->Attach(&guest->GetTransform(), Math::Vec3(0, 10, 0));
  EXPECT_TRUE(mark->IsFollowing());
  Framework::GetFactory().QueueDestroy(guest);
  Framework::GetFactory().Update(0.0f);
  manager().Update();
  EXPECT_FALSE(mark->IsFollowing());
  EXPECT_TRUE(mark->playing);
  EXPECT_FLOAT_EQ(mark->object->GetTransform().position.y, 18.0f);
}

TEST_F(EffectsTest, DestroyedEffectObjectsAreNeverTouchedAgain) {
  auto shown = manager().Play("Emote", Math::Vec3(0, 0, 0), std::numeric_limits<float>::max(), "").lock();
  ASSERT_TRUE(shown);
  Framework::GetFactory().QueueDestroy(shown->object);
  Framework::GetFactory().QueueDestroy(scene.FindObject("Dots"));
  Framework::GetFactory().Update(0.0f);
  manager().Update();
  manager().Stop("Emote");
  EXPECT_FALSE(shown->playing);
  EXPECT_EQ(shown->object, nullptr);

  auto replacement = manager().Play("Emote", Math::Vec3(5, 0, 0), 1.0f, "").lock();
  ASSERT_TRUE(replacement) << "a fresh copy of the prototype";
  EXPECT_NE(replacement, shown);
  EXPECT_EQ(PoolSize("Emote"), 1u);
  EXPECT_TRUE(manager().Play("Dots", Math::Vec3(0, 0, 0), 1.0f, "").expired()) << "its prototype is gone";
}

TEST_F(EffectsTest, PlayWithoutASceneCannotCloneAndSaysSoWithAnEmptyHandle) {
  manager().SetScene(nullptr);
  EXPECT_TRUE(manager().Play("Emote", Math::Vec3(0, 0, 0), 1.0f, "").expired());
}

}  // namespace
