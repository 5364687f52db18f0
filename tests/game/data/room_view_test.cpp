// Every shipped level and the tutorial, framed as their scenes frame them
// over the shipped grid and window size: a person at any wall shows whole,
// and so does the Detective's timing bar; the floor art fills the view and
// a match's HUD bar spans its top.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/core/GameObjectFactory.h"
#include "engine/core/SceneIndexFile.h"
#include "engine/core/VScene.h"
#include "engine/graphics/Sprite.h"
#include "engine/physics/MapperFF.h"
#include "engine/ui/UIImage.h"
#include "game/characters/MeterDisplay.h"
#include "game/match/RoomView.h"
#include "support/MatchWorld.h"

namespace {

const std::string kResources = std::string(CORVIDALE_SOURCE_ROOT) + "/Resources/";
constexpr float kWidth = 1280.0f, kHeight = 720.0f;

WorldRect Box(float x, float y, Math::Vec2 offset, Math::Vec2 size) {
  const float halfWidth = std::fabs(size.x) / 2.0f, halfHeight = std::fabs(size.y) / 2.0f;
  return {x + offset.x - halfWidth, y + offset.y - halfHeight, x + offset.x + halfWidth, y + offset.y + halfHeight};
}

TEST(RoomView, PeopleByEveryWallOfEveryRoomShowWholeOverFloorArt) {
  TestSupport::MatchWorld world;
  ::testing::internal::CaptureStderr();  // no textures without a window
  MapperFF grid;
  ASSERT_TRUE(grid.Load(kResources + "BinaryCollision.txt", 1280, 720));
  WorldRect walkable;
  ASSERT_TRUE(WalkableArea(grid, walkable));

  for (const char* room : {"level1_1", "level1_2", "level1_3", "level2_1", "level2_2", "level2_3", "level3_1",
                           "level3_2", "level3_3", "tutorial"}) {
    SCOPED_TRACE(room);
    std::vector<std::string> entries;
    const std::string folder = kResources + room + "/";
    ASSERT_TRUE(Framework::ReadSceneIndex(folder + room + ".scene", entries));
    Framework::VScene scene;
    for (const std::string& entry : entries) {
      if (auto object = Framework::GetFactory().CreateFromFile(folder + entry)) scene.objects.push_back(object.get());
    }
    const RoomView framing = FrameRoomOf(scene, grid, kWidth, kHeight);
    const WorldRect shown = framing.Visible(kWidth, kHeight);
    const std::pair<float, float> walls[] = {
        {0.0f, walkable.bottom}, {0.0f, walkable.top}, {walkable.left, 0.0f}, {walkable.right, 0.0f}};
    std::string cutOff;
    for (const char* tag : {"player", "enemy"}) {
      for (Framework::GameObject* person : scene.FindObjectsByTag(tag)) {
        const auto* look = person->GetComponent<Framework::Sprite>();
        for (const auto& [x, y] : walls) {
          if (cutOff.empty() && !shown.Contains(Box(x, y, look->position, look->size))) cutOff = person->GetName();
        }
      }
    }
    EXPECT_EQ(cutOff, "") << "a person the view cuts off by a wall";

    // The Detective's timing bar sits 50 under him where it fits, and by
    // any wall shows whole under the HUD bar, its arrow at either end too.
    const Framework::EfxBounds view = EffectBoundsOf(scene, framing, kWidth, kHeight);
    const WorldRect seen{view.left, view.bottom, view.right, view.top};
    MeterDisplay meter;
    meter.Find(&scene);
    ASSERT_TRUE(meter.frame && meter.arrow);
    EXPECT_EQ(meter.FitInto({0, -50, 0}, view).y, -50.0f);
    for (const auto& [x, y] : walls) {
      meter.Place(meter.FitInto({x, y - 50, 0}, view), 50.0f);
      for (float sweep : {0.0f, 100.0f}) {
        meter.SetArrow(sweep);
        for (Framework::GameObject* part : {meter.frame, meter.arrow}) {
          const Math::Vec3& at = part->GetTransform().position;
          const auto* look = part->GetComponent<Framework::Sprite>();
          EXPECT_TRUE(seen.Contains(Box(at.x, at.y, look->position, look->size)))
              << part->GetName() << " by the wall at " << x << ", " << y;
        }
      }
    }
    const auto* floor = scene.FindObject("Floor")->GetComponent<Framework::Sprite>();
    EXPECT_TRUE(Box(0, 0, floor->position, floor->size).Contains(shown)) << "no void past the floor";
    if (Framework::GameObject* bar = scene.FindObject("HudBar")) {
      const auto* image = bar->GetComponent<Framework::UIImage>();
      const WorldRect strip = Box(0, bar->GetTransform().position.y, image->position, image->size);
      EXPECT_TRUE(strip.Contains({shown.left, strip.bottom, shown.right, shown.top})) << "the bar spans the top";
    }
    Framework::GetFactory().DestroyAllObjects();
  }
  ::testing::internal::GetCapturedStderr();
}

}  // namespace
