// The match scene over the shipped players, guests and screen objects,
// driven headless frame by frame with a seeded generator.
#include <gtest/gtest.h>

#include <fstream>

#include "engine/core/Engine.h"
#include "engine/core/FileHelpers.h"
#include "engine/core/SceneManager.h"
#include "engine/core/Transform.h"
#include "engine/graphics/Camera.h"
#include "engine/graphics/EfxManager.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "engine/physics/Moveable.h"
#include "engine/ui/UIImage.h"
#include "engine/ui/UISystem.h"
#include "engine/ui/UIText.h"
#include "game/characters/Detective.h"
#include "game/characters/Killer.h"
#include "game/guests/NPC.h"
#include "game/guests/NPCManager.h"
#include "game/match/DetectiveIntro.h"
#include "game/match/Roles.h"
#include "game/scenes/DinnerScene.h"
#include "support/MatchWorld.h"
#include "support/PlayersWorld.h"

namespace {

class DinnerSceneTest : public ::testing::Test {
 protected:
  // The cake, guests in a row below it (the first near enough to reach it
  // in the opening's walk), both players, the screen objects and, when
  // asked, the entrance; then the match starts over them.
  void Build(int guests, bool entrance = false) {
    world.Spawn("Food_Cake", {0, 200, 0});
    for (int i = 0; i < guests; ++i) world.Spawn("Guest_NPCMale1", {-100.0f + 120.0f * i, -100, 0});
    for (const char* shared : {"Detective", "Killer", "UIDetectiveHUD", "BlackScreen", "DWinPanel", "KWinPanel",
                               "PauseBackdrop", "explosion_efx"})
      world.Spawn(shared, {0, -250, 0});
    if (entrance) world.Spawn("DetectiveStart", {-700, -300, 0});
    scene->Initialize();
  }
  // Writes a file of the level's own folder (or of Resources/) and reloads the settings.
  void Settings(const std::string& path, const std::string& text) {
    std::ofstream(path) << "<?xml version=\"1.0\"?><S>" << text << "</S>";
    scene->Load();
  }
  template <class T>
  T* Find(const std::string& name) {
    Framework::GameObject* object = Framework::GetSceneManager().FindObject(name);
    return object ? object->GetComponent<T>() : nullptr;
  }
  bool PanelOn(const std::string& panel) { return Find<Framework::UIText>(panel)->enabled; }
  Killer* TheKiller() { return Find<Killer>("Player2"); }
  float X(const std::string& name) { return Framework::GetSceneManager().FindObject(name)->GetTransform().position.x; }
  void PlayToPanel() {
    for (int i = 0; i < 1200 && !scene->panelShown; ++i) world.Frame();
    ASSERT_TRUE(scene->panelShown);
  }

  DinnerScene* scene = new DinnerScene;
  TestSupport::MatchWorld world{7, scene};
};

TEST_F(DinnerSceneTest, OpeningDeathStartsTheEntranceAndThePanicWaitsForTheDetective) {
  Build(3, true);
  DetectiveIntro* intro = Find<DetectiveIntro>("DetectiveStart");
  for (int i = 0; i < 1200 && !intro->started; ++i) world.Frame();
  EXPECT_EQ(GetNPCManager().Kills, 1) << "the forced guest died";
  EXPECT_EQ(scene->panic.strikes, 1);
  EXPECT_FALSE(scene->panic.enabled);
  world.Run(2.5f);
  EXPECT_GT(Find<Framework::UIImage>("UIDetectiveHUD")->position.x, -600.0f) << "the countdown slid in";
  for (int i = 0; i < 1200 && !intro->finished; ++i) world.Frame();
  EXPECT_TRUE(scene->panic.enabled) << "the Detective has arrived";
  world.Run(1.5f);
  EXPECT_FALSE(Find<Framework::UIImage>("UIDetectiveHUD")->enabled) << "the countdown is gone";
}

TEST_F(DinnerSceneTest, KillTargetAndPanicSettingsComeFromFilesWithSafeDefaults) {
  EXPECT_EQ(GetNPCManager().MaxKills, 10) << "no objective file";
  Settings("Resources/killer_objective.xml", "<kills_to_win int=\"3\"/>");
  EXPECT_EQ(GetNPCManager().MaxKills, 3);
  testing::internal::CaptureStderr();
  Settings("Resources/killer_objective.xml", "<kills_to_win int=\"0\"/>");
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Error: kills_to_win 0"), std::string::npos);
  EXPECT_EQ(GetNPCManager().MaxKills, 10);
  Settings(Framework::GetSceneFolder() + "panic_info.xml", "<enabled bool=\"false\"/>");
  Build(0, true);
  Find<DetectiveIntro>("DetectiveStart")->StartEntrance();
  world.Run(12.0f);
  EXPECT_TRUE(Find<DetectiveIntro>("DetectiveStart")->finished);
  EXPECT_FALSE(scene->panic.enabled) << "the arrival keeps a level's panic off";
}

TEST_F(DinnerSceneTest, TheKillTargetEndsTheMatchForTheKillerAfterTheTrapsBlast) {
  Build(2);
  for (int i = 0; i < GetNPCManager().MaxKills; ++i) GetNPCManager().RecordDeath(2);
  world.Frame();
  EXPECT_TRUE(scene->outroActive && Framework::GetSceneManager().FindObject("BlackScreen")->IsEnabled());
  EXPECT_FALSE(TheKiller()->inputEnabled);
  EXPECT_TRUE(Find<Detective>("Player1")->MatchOver()) << "nothing may give the Detective its controls back";
  world.Tap("TAB");
  EXPECT_FALSE(Framework::GetEngine().paused) << "no pause once the match is over";
  world.Run(4.5f);  // the fade, then the blast under the Detective
  EXPECT_EQ(X("explosion_efx"), X("Player1"));
  EXPECT_FALSE(Find<Framework::Sprite>("explosion_efx")->loop);
  ASSERT_FALSE(scene->waitingForCue || scene->outroFinished);
  world.Tap("ESC");
  EXPECT_TRUE(scene->outroFinished) << "Escape ends the walk early";
  PlayToPanel();
  EXPECT_TRUE(PanelOn("KWinPanel") && !PanelOn("DWinPanel"));
  EXPECT_FALSE(Find<Framework::Sprite>("explosion_efx")->enabled) << "hidden once it has played";
}

TEST_F(DinnerSceneTest, StrikesAtTheChancesWinForTheKillerEvenInTheFrameOfAnArrest) {
  Build(2);
  scene->panic.AddStrikes(scene->panic.strikeChances);
  TheKiller()->alive = false;
  PlayToPanel();
  EXPECT_TRUE(PanelOn("KWinPanel") && !PanelOn("DWinPanel"));
}

TEST_F(DinnerSceneTest, AnArrestEndsTheMatchForTheDetectiveAndItsPanelLeadsToTheMenu) {
  world.Spawn("HudBar", {0, 330, 0});
  Build(0);
  const float killerAt = X("Player2");
  world.Tap("TAB");
  EXPECT_TRUE(Framework::GetEngine().paused && Find<Framework::UIImage>("PauseBackdrop")->enabled);
  world.Tap("TAB");
  EXPECT_FALSE(Framework::GetEngine().paused);
  EXPECT_EQ(X("Player2"), killerAt) << "no guest to swap with";
  // The arrest at the bottom-left wall, seen through a view smaller than
  // the room: the camera heads there but stops where the view meets the walls.
  Framework::GetSceneManager().FindObject("Player1")->GetTransform().position = Math::Vec3(-590, -300, 0);
  Framework::GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  const int window[] = {graphics.viewportWidth, graphics.viewportHeight};
  graphics.viewportWidth = 960;
  graphics.viewportHeight = 540;
  TheKiller()->alive = false;
  world.Run(3.5f);
  graphics.viewportWidth = window[0];
  graphics.viewportHeight = window[1];
  const Framework::Camera& camera = Framework::GetCamera();
  EXPECT_FLOAT_EQ(camera.position.z, 1.0f) << "the eye never reaches the plane it looks at";
  EXPECT_FLOAT_EQ(camera.position.x, -160.0f) << "the view's left edge on the room's left wall";
  EXPECT_FLOAT_EQ(camera.position.y, -90.0f) << "the view's bottom edge on the room's bottom wall";
  PlayToPanel();
  EXPECT_TRUE(PanelOn("DWinPanel") && !PanelOn("KWinPanel"));
  EXPECT_FALSE(PanelOn("HudBar")) << "the bar's words faded out with the room";
  world.Hold("TAB");
  world.Frame();
  scene->Draw();  // the frame loop's draw step reads the key the outro left alone
  EXPECT_EQ(Framework::GetSceneManager().NextSceneName(), "mainmenu");
}

TEST_F(DinnerSceneTest, AnArrestMadeWhileBothRunLeavesNoBurstThroughTheOutroAndNoRunSpeed) {
  TestSupport::ScopedRole detectivePlayer(detectiveController, 1), killerPlayer(killerController, 2);
  world.Spawn("Panic", {50000, 0, 0});
  Build(0);
  Find<Detective>("Player1")->GetOwnerTransform()->position = TheKiller()->GetOwnerTransform()->position - Math::Vec3(90, 0, 0);
  for (const char* key : {"RSHIFT", "LSHIFT", "D"}) world.Hold(key);
  world.Run(0.1f);
  ASSERT_TRUE(TheKiller()->panicEffect.lock()->playing);
  world.Tap("Q");
  EXPECT_FLOAT_EQ(Find<Moveable>("Player1")->mSpeed, Detective::baseSpeed);
  for (int i = 0; i < 1200 && !scene->panelShown; ++i, world.Frame())
    for (const auto& mark : Framework::EfxManager::Instance().Pools().at("Panic")) ASSERT_FALSE(mark->playing);
  EXPECT_TRUE(PanelOn("DWinPanel"));
}

TEST_F(DinnerSceneTest, MarksOverGuestsAtTheTopWallStayUnderTheHudBar) {
  world.Spawn("HudBar", {0, 332, 0});
  world.Spawn("Panic", {50000, 0, 0});
  NPC& guest = world.Spawn<NPC>("Guest_NPCMale1", {300, 260, 0});
  Build(0);
  guest.GetOwnerTransform()->position = Math::Vec3(300, 260, 0);
  guest.Panic(5.0f);
  world.Frame();
  const std::shared_ptr<Framework::EfxObject> mark = guest.emote.lock();
  ASSERT_TRUE(mark && mark->Follows(guest.GetOwner()));
  const float top = mark->object->GetTransform().position.y + mark->sprite->size.y / 2.0f;
  EXPECT_FLOAT_EQ(top, 298.0f) << "as high as the bar's lower edge allows";
}

TEST_F(DinnerSceneTest, RestartReloadsAndAMatchWithoutScreensStillEnds) {
  world.Spawn("Killer", {0, 0, 0});
  scene->Initialize();
  TheKiller()->alive = false;
  PlayToPanel();
  EXPECT_TRUE(scene->DetectiveWins());
  scene->Restart();
  world.Run(3.0f);
  EXPECT_EQ(TheKiller(), nullptr) << "the scene was built again from its (empty) index";
  EXPECT_FALSE(scene->outroActive || scene->panelShown);
}

TEST_F(DinnerSceneTest, HeldVenueButtonsPickThePostEffectAndLeavingRestoresIt) {
  Framework::GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  graphics.shaders.SetEntries({{"POST_NORMAL", "", ""}, {"POST_BLACKWHITE", "", ""}, {"POST_FALLOUT", "", ""}});
  Framework::UISystem& ui = Framework::GetUISystem();
  ui.mallSpin.done = true;
  scene->Initialize();
  EXPECT_EQ(*graphics.shaders.CurrentPost(), "POST_BLACKWHITE");
  ui.mallSpin.done = false;
  ui.carnivalSpin.done = true;
  scene->Initialize();
  EXPECT_EQ(*graphics.shaders.CurrentPost(), "POST_FALLOUT");
  ui.carnivalSpin.done = false;
  scene->Unload();
  EXPECT_EQ(*graphics.shaders.CurrentPost(), "POST_NORMAL");
}

}  // namespace
