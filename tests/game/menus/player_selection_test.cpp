// Both players choosing their roles with their own keys on a player-select
// scene built from archetype files.
#include <gtest/gtest.h>

#include "engine/core/GameObjectFactory.h"
#include "engine/core/SceneIndexFile.h"
#include "engine/core/SceneManager.h"
#include "game/GameComponents.h"
#include "game/match/Roles.h"
#include "game/menus/PlayerSelection.h"
#include "support/UITestSupport.h"

namespace {

const Math::Vec3 kHome1(0, 100, 0), kHome2(0, -100, 0), kDetectiveSpot(-300, 0, 0), kKillerSpot(300, 0, 0);

std::string Object(const std::string& name, const std::string& tag, const std::string& body = "") {
  return "<?xml version=\"1.0\"?>\n<Archetype><Enabled bool=\"true\"/><Name string=\"" + name + "\"/><Tag string=\"" +
         tag + "\"/>" + body + "</Archetype>\n";
}

std::string Place(const std::string& xy) {
  return "<Transform><position Vec3=\"" + xy + ",0\"/><scale Vec3=\"1,1,1\"/><rotation float=\"0\"/></Transform>";
}

class PlayerSelectionTest : public TestSupport::UIFixture {
 protected:
  void SetUp() override {
    UIFixture::SetUp();
    RegisterGameComponents(Framework::GetFactory());
    InstallRoleCheck();
    detectiveController = killerController = -1;
  }
  void TearDown() override {
    Leave();
    detectiveController = killerController = -1;
    UIFixture::TearDown();
  }
  // Loads and starts the screen; the selector comes first, before its markers.
  PlayerSelection& Screen(bool withSecondMarker = true) {
    TestSupport::ScopedWorkingFolder inTemp(temp.Path());
    temp.Write("Resources/selecttest/select.xml",
               Object("Selector", "untagged",
                      "<PlayerSelection><pOneOriginal Vec3=\"0,100,0\"/><pTwoOriginal Vec3=\"0,-100,0\"/>"
                      "<dSpot Vec3=\"-300,0,0\"/><kSpot Vec3=\"300,0,0\"/></PlayerSelection>"));
    temp.Write("Resources/selecttest/p1.xml", Object("Controller1", "controller", Place("0,100")));
    temp.Write("Resources/selecttest/p2.xml", Object(withSecondMarker ? "Controller2" : "Other", "controller", Place("0,-100")));
    Framework::WriteSceneIndex("Resources/selecttest/selecttest.scene", {"select.xml", "p1.xml", "p2.xml"});
    Leave();
    Framework::SceneManager& scenes = Framework::GetSceneManager();
    scenes.LoadScene("selecttest");
    scenes.GetCurrentScene()->Start();
    return *scenes.FindObject("Selector")->GetComponent<PlayerSelection>();
  }
  void Leave() {
    Framework::VScene* scene = Framework::GetSceneManager().GetCurrentScene();
    if (scene == nullptr || scene->name != "selecttest") return;
    scene->DestroyObjects();
    scene->Clear();
  }
  // One frame in which the keys are pressed, then one with them released.
  void Keys(PlayerSelection& screen, std::initializer_list<const char*> keys) {
    for (const char* key : keys) Press(Row(key));
    Frame();
    if (screen.enabled) screen.Update();
    for (const char* key : keys) Press(Row(key), false);
    Frame();
  }
  Math::Vec3 At(const char* marker) { return Framework::GetSceneManager().FindObject(marker)->GetTransform().position; }
};

TEST_F(PlayerSelectionTest, ARoleGoesToOnePlayerAndTheOppositeKeyGivesItBack) {
  PlayerSelection& screen = Screen();
  Keys(screen, {"A"});
  Keys(screen, {"LEFT"});
  EXPECT_EQ(detectiveController, 1);
  EXPECT_EQ(screen.choice2, -1) << "the Detective is taken";
  EXPECT_EQ(At("Controller2"), kHome2);
  EXPECT_FALSE(Framework::GetUISystem().PlayersReady());
  Keys(screen, {"RIGHT"});
  EXPECT_EQ(killerController, 2);
  EXPECT_EQ(At("Controller2"), kKillerSpot);
  EXPECT_TRUE(Framework::GetUISystem().PlayersReady());

  Keys(screen, {"RIGHT"});
  EXPECT_EQ(killerController, 2) << "the Killer pressing right stays the Killer";
  Keys(screen, {"LEFT"});
  EXPECT_EQ(killerController, -1);
  EXPECT_EQ(At("Controller2"), kHome2);
  Keys(screen, {"D"});
  EXPECT_EQ(detectiveController, -1) << "the Detective pressing right gives the role back";
  EXPECT_EQ(At("Controller1"), kHome1);
}

TEST_F(PlayerSelectionTest, PlayerOneWinsASameFrameReachAndTheScreenShowsEarlierChoicesOnReturn) {
  PlayerSelection& screen = Screen();
  Keys(screen, {"A", "LEFT"});
  EXPECT_EQ(detectiveController, 1);
  EXPECT_EQ(screen.choice2, -1);

  detectiveController = 2;
  killerController = 1;
  PlayerSelection& again = Screen();
  EXPECT_EQ(again.choice2, PlayerSelection::kDetective);
  EXPECT_EQ(again.choice1, PlayerSelection::kKiller);
  EXPECT_EQ(At("Controller2"), kDetectiveSpot);
  EXPECT_EQ(At("Controller1"), kKillerSpot);
}

TEST_F(PlayerSelectionTest, WithoutBothMarkersTheScreenIgnoresInput) {
  PlayerSelection& screen = Screen(false);
  EXPECT_FALSE(screen.enabled);
  Keys(screen, {"A"});
  EXPECT_EQ(detectiveController, -1);
}

}  // namespace
