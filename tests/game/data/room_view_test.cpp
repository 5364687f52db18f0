// Every shipped level and the tutorial, framed as their scenes frame them,
// with the shipped walkability grid and window size: a person standing at
// the lowest, highest, leftmost and rightmost walkable spot shows whole,
// the floor art fills the whole view and a match's HUD bar spans its top.
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
#include "game/match/RoomView.h"
#include "support/MatchWorld.h"

namespace {

const std::string kResources = std::string(CORVIDALE_SOURCE_ROOT) + "/Resources/";
constexpr float kWindowWidth = 1280.0f, kWindowHeight = 720.0f;

WorldRect Around(float x, float y, Math::Vec2 offset, Math::Vec2 size) {
  const float halfWidth = std::fabs(size.x) / 2.0f, halfHeight = std::fabs(size.y) / 2.0f;
  return {x + offset.x - halfWidth, y + offset.y - halfHeight, x + offset.x + halfWidth, y + offset.y + halfHeight};
}

// The first walkable coordinate met walking from `from` by `step` along one
// axis through the middle of the grid.
float FirstWalkable(const MapperFF& grid, bool alongX, float from, float step) {
  for (float at = from; std::fabs(at) <= std::fabs(from); at += step) {
    if (alongX ? grid.IsWalkable(at, 0.0f) : grid.IsWalkable(0.0f, at)) return at;
  }
  return 0.0f;
}

TEST(RoomView, PeopleByEveryWallOfEveryRoomShowWholeOverFloorArt) {
  TestSupport::MatchWorld world;
  MapperFF grid;
  ASSERT_TRUE(grid.Load(kResources + "BinaryCollision.txt", 1280, 720));
  const float left = FirstWalkable(grid, true, -kWindowWidth / 2.0f, 1.0f);
  const float right = FirstWalkable(grid, true, kWindowWidth / 2.0f - 0.01f, -1.0f);
  const float bottom = FirstWalkable(grid, false, -kWindowHeight / 2.0f, 1.0f);
  const float top = FirstWalkable(grid, false, kWindowHeight / 2.0f - 0.01f, -1.0f);
  ASSERT_LT(bottom, -330.0f) << "the grid lets people near the bottom edge";

  for (const char* level : {"level1_1", "level1_2", "level1_3", "level2_1", "level2_2", "level2_3", "level3_1",
                            "level3_2", "level3_3", "tutorial"}) {
    SCOPED_TRACE(level);
    std::vector<std::string> entries;
    const std::string folder = kResources + level + "/";
    ASSERT_TRUE(Framework::ReadSceneIndex(folder + level + ".scene", entries));
    Framework::VScene scene;
    for (const std::string& entry : entries) {
      if (auto object = Framework::GetFactory().CreateFromFile(folder + entry)) scene.objects.push_back(object.get());
    }
    const RoomView view = FrameRoomOf(scene, grid, kWindowWidth, kWindowHeight);
    const WorldRect shown = view.Visible(kWindowWidth, kWindowHeight);
    EXPECT_LT(view.zoom, 1.0f) << "the grid's thin walls need a wider view";

    int people = 0;
    std::string cutOff;
    for (const char* tag : {"player", "enemy"}) {
      for (Framework::GameObject* person : scene.FindObjectsByTag(tag)) {
        const auto* look = person->GetComponent<Framework::Sprite>();
        ASSERT_NE(look, nullptr);
        ++people;
        for (const auto& [x, y] : {std::pair{0.0f, bottom}, {0.0f, top}, {left, 0.0f}, {right, 0.0f}}) {
          if (cutOff.empty() && !shown.Contains(Around(x, y, look->position, look->size)))
            cutOff = person->GetName() + " at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
        }
      }
    }
    EXPECT_GT(people, 2);
    EXPECT_EQ(cutOff, "") << "a person the view cuts off";

    Framework::GameObject* floor = scene.FindObject("Floor");
    ASSERT_NE(floor, nullptr);
    const auto* art = floor->GetComponent<Framework::Sprite>();
    EXPECT_TRUE(Around(0, 0, art->position, art->size).Contains(shown)) << "no void past the floor";
    Framework::GameObject* bar = scene.FindObject("HudBar");
    if (std::string(level) == "tutorial") {
      EXPECT_EQ(bar, nullptr);
      Framework::GetFactory().DestroyAllObjects();
      continue;
    }
    ASSERT_NE(bar, nullptr);
    const auto* image = bar->GetComponent<Framework::UIImage>();
    const WorldRect strip = Around(0, bar->GetTransform().position.y, image->position, image->size);
    EXPECT_TRUE(strip.left <= shown.left && strip.right >= shown.right && strip.top >= shown.top)
        << "the bar covers the view's top edge from side to side";
    Framework::GetFactory().DestroyAllObjects();
  }
}

}  // namespace
