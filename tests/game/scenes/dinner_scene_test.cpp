// The match scene with the shipped players, guests and screen objects on
// the test backend, driven frame by frame with a seeded generator.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/core/Engine.h"
#include "engine/core/InputManager.h"
#include "engine/core/Transform.h"
#include "engine/graphics/Camera.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "engine/platform/Platform.h"
#include "engine/ui/SysVars.h"
#include "engine/ui/UIImage.h"
#include "engine/ui/UISystem.h"
#include "engine/ui/UIText.h"
#include "game/characters/Detective.h"
#include "game/characters/Killer.h"
#include "game/guests/NPC.h"
#include "game/guests/NPCManager.h"
#include "game/match/DetectiveIntro.h"
#include "game/scenes/DinnerScene.h"
#include "support/MatchWorld.h"

namespace {

const char* const kLevel = "level1_test";
const std::vector<std::string> kScreens = {"../archetypes/HudBar.xml",   "../archetypes/HudStrikes.xml",
                                           "../archetypes/UIDetectiveHUD.xml", "../archetypes/BlackScreen.xml",
                                           "../archetypes/DWinPanel.xml", "../archetypes/KWinPanel.xml",
                                           "../archetypes/PauseBackdrop.xml", "../archetypes/PauseButtons.xml",
                                           "../archetypes/explosion_efx.xml"};

class DinnerSceneTest : public TestSupport::MatchWorld {
 protected:
  void SetUp() override {
    MatchWorld::SetUp();
    scene = new DinnerScene;
    scenes.AddScene(scene, kLevel);
    Platform::SeedRandom(7);
  }

  // The players, `guests` guests in a row below the cake (the first near
  // enough to reach it in the opening's walk), and, when asked, the
  // Detective's entrance; then the screen objects.
  void Build(int guests, bool entrance = false, const std::string& panicFields = "") {
    std::vector<std::string> entries = {"../archetypes/Food_Cake.xml"};
    for (int i = 0; i < guests; ++i) {
      const std::string file = "guest" + std::to_string(i) + ".xml";
      WriteObject(kLevel, file, Guest("NPC_" + std::to_string(i + 1), -100.0f + 120.0f * i));
      entries.push_back(file);
    }
    entries.push_back("../archetypes/Detective.xml");
    entries.push_back("../archetypes/Killer.xml");
    if (entrance) entries.push_back("../archetypes/DetectiveStart.xml");
    entries.insert(entries.end(), kScreens.begin(), kScreens.end());
    if (!panicFields.empty()) WriteObject(kLevel, "panic_info.xml", "<?xml version=\"1.0\"?><P>" + panicFields + "</P>");
    WriteIndex(kLevel, entries);
    Enter(kLevel);
  }

  // A guest archetype from the shipped one, renamed and placed.
  std::string Guest(const std::string& name, float x) {
    std::string text = TestSupport::ReadFile(temp.Path() / "Resources/archetypes/Guest_NPCMale1.xml");
    const std::string from = "<Name string=\"Guest_NPCMale1\"/>";
    text.replace(text.find(from), from.size(), "<Name string=\"" + name + "\"/>");
    const std::string at = "<position Vec3=\"0,0,0\"/>";
    text.replace(text.find(at), at.size(), "<position Vec3=\"" + std::to_string(x) + ",-100,0\"/>");
    return text;
  }

  bool PanelOn(const std::string& panel) {
    auto* text = Find<Framework::UIText>(panel);
    return text && text->enabled;
  }
  Killer* TheKiller() { return Find<Killer>("Player2"); }
  // Ends the round for the Killer the way the crowd does it.
  void KillToTarget() {
    for (int i = 0; i < GetNPCManager().MaxKills; ++i) GetNPCManager().RecordDeath(2);
  }
  // Runs the outro until the winner's panel is up.
  void PlayToPanel() {
    for (int i = 0; i < 300 && !scene->panelShown; ++i) Frame();
    ASSERT_TRUE(scene->panelShown);
  }

  DinnerScene* scene = nullptr;
};

TEST_F(DinnerSceneTest, KillTargetComesFromItsFileWithSafeDefaults) {
  Build(1);
  EXPECT_EQ(DinnerScene::killTarget, 3) << "the shipped file";
  EXPECT_EQ(GetNPCManager().MaxKills, 3);
  EXPECT_EQ(Framework::GetSysVar<int>("MaxKills"), 3);
  temp.Write("Resources/killer_objective.xml", "<?xml version=\"1.0\"?><K><kills_to_win int=\"0\"/></K>");
  testing::internal::CaptureStderr();
  Enter(kLevel, true);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Error: kills_to_win 0"), std::string::npos);
  EXPECT_EQ(GetNPCManager().MaxKills, 10);
  std::filesystem::remove(temp.Path() / "Resources/killer_objective.xml");
  Enter(kLevel, true);
  EXPECT_EQ(GetNPCManager().MaxKills, 10);
  EXPECT_FALSE(scene->outroActive) << "a match never ends at once";
}

TEST_F(DinnerSceneTest, OpeningDeathStartsTheEntranceAndThePanicWaitsForTheDetective) {
  Build(3, true);
  DetectiveIntro* intro = Find<DetectiveIntro>("DetectiveStart");
  ASSERT_NE(intro, nullptr);
  EXPECT_FALSE(scene->panic.enabled);
  for (int i = 0; i < 300 && !intro->started; ++i) Frame();
  ASSERT_TRUE(intro->started) << "the forced guest died";
  EXPECT_FALSE(Find<NPC>("NPC_1")->alive);
  EXPECT_EQ(GetNPCManager().Kills, 1);
  EXPECT_EQ(scene->panic.strikes, 1);
  EXPECT_FALSE(scene->panic.enabled);
  auto* hud = Find<Framework::UIImage>("UIDetectiveHUD");
  Seconds(2.5f);
  EXPECT_GT(hud->position.x, -600.0f) << "the countdown slides in";
  for (int i = 0; i < 300 && !intro->finished; ++i) Frame();
  EXPECT_TRUE(scene->panic.enabled) << "the Detective has arrived";
  Seconds(1.5f);
  EXPECT_FALSE(hud->enabled) << "and the countdown is gone";
  EXPECT_FALSE(scene->outroActive);
}

TEST_F(DinnerSceneTest, ALevelThatSwitchesThePanicOffKeepsItOffAfterTheArrival) {
  Build(2, true, "<enabled bool=\"false\"/>");
  DetectiveIntro* intro = Find<DetectiveIntro>("DetectiveStart");
  intro->StartEntrance();
  for (int i = 0; i < 300 && !intro->finished; ++i) Frame();
  ASSERT_TRUE(intro->finished);
  EXPECT_FALSE(scene->panic.enabled);
}

TEST_F(DinnerSceneTest, TheKillTargetEndsTheMatchForTheKiller) {
  Build(2);
  KillToTarget();
  Frame();
  EXPECT_TRUE(scene->outroActive);
  EXPECT_FALSE(Find<Detective>("Player1")->inputEnabled);
  EXPECT_FALSE(TheKiller()->inputEnabled);
  EXPECT_TRUE(Object("BlackScreen")->IsEnabled());
  Seconds(4.5f);  // the fade, then the Detective's death cue shows the blast where it stands
  auto* blast = Find<Framework::Sprite>("explosion_efx");
  EXPECT_FALSE(blast->loop);
  EXPECT_EQ(Object("explosion_efx")->GetTransform().position.x, Object("Player1")->GetTransform().position.x);
  PlayToPanel();
  EXPECT_TRUE(PanelOn("KWinPanel"));
  EXPECT_FALSE(PanelOn("DWinPanel"));
  EXPECT_FALSE(blast->enabled) << "the blast is hidden once it has played";
}

TEST_F(DinnerSceneTest, StrikesAtTheChancesWinForTheKillerEvenInTheFrameOfAnArrest) {
  Build(2);
  scene->panic.AddStrikes(scene->panic.strikeChances);
  TheKiller()->alive = false;
  PlayToPanel();
  EXPECT_TRUE(PanelOn("KWinPanel"));
  EXPECT_FALSE(PanelOn("DWinPanel"));
}

TEST_F(DinnerSceneTest, AnArrestEndsTheMatchForTheDetectiveWithTheCameraAtItsHeight) {
  Build(2);
  TheKiller()->alive = false;
  Frame();
  EXPECT_TRUE(scene->outroActive);
  Seconds(3.5f);
  const Framework::Camera& camera = Framework::GetCamera();
  EXPECT_FLOAT_EQ(camera.position.z, 1.0f);
  EXPECT_NEAR(camera.position.x, Object("Player1")->GetTransform().position.x, 200.0f);
  EXPECT_FLOAT_EQ(camera.target.z, 0.0f) << "the eye never reaches the plane it looks at";
  PlayToPanel();
  EXPECT_TRUE(PanelOn("DWinPanel"));
  EXPECT_FALSE(PanelOn("KWinPanel"));
  // The winner's panel leaves for the main menu on either player's pause key.
  Tap("TAB");
  EXPECT_EQ(scenes.NextSceneName(), "mainmenu");
}

TEST_F(DinnerSceneTest, PauseWorksInPlayButNotDuringTheOutro) {
  Build(2);
  Tap("TAB");
  EXPECT_TRUE(Framework::GetEngine().paused);
  EXPECT_TRUE(Find<Framework::UIImage>("PauseBackdrop")->enabled);
  Tap("TAB");
  EXPECT_FALSE(Framework::GetEngine().paused);
  TheKiller()->alive = false;
  Frame();
  Tap("TAB");
  EXPECT_FALSE(Framework::GetEngine().paused);
  EXPECT_FALSE(Find<Framework::UIImage>("PauseBackdrop")->enabled);
}

TEST_F(DinnerSceneTest, EscapeEndsTheOutroWalkEarly) {
  Build(2);
  KillToTarget();
  Seconds(4.6f);  // fade over, cue given: the Killer walks away
  ASSERT_FALSE(scene->waitingForCue);
  ASSERT_FALSE(scene->outroFinished);
  Tap("ESC");
  EXPECT_TRUE(scene->outroFinished);
}

TEST_F(DinnerSceneTest, ASceneWithoutGuestsPlaysAndRestartReloadsIt) {
  Build(0);
  const Math::Vec3 killerAt = Object("Player2")->GetTransform().position;
  Seconds(1.0f);
  EXPECT_EQ(Object("Player2")->GetTransform().position.x, killerAt.x) << "no guest to swap with";
  TheKiller()->alive = false;
  Seconds(2.0f);
  scene->Restart();
  Enter(kLevel, true);
  EXPECT_FALSE(scene->outroActive);
  EXPECT_TRUE(TheKiller()->alive) << "a fresh Killer";
}

TEST_F(DinnerSceneTest, AMatchWithNothingButTheKillerStillEnds) {
  WriteIndex(kLevel, {"../archetypes/Killer.xml"});
  Enter(kLevel);
  TheKiller()->alive = false;
  PlayToPanel();
  EXPECT_TRUE(scene->DetectiveWins()) << "the arrest wins, with no panel to show";
}

TEST_F(DinnerSceneTest, HeldVenueButtonsPickThePostEffectAndLeavingRestoresIt) {
  Framework::UISystem& ui = Framework::GetUISystem();
  Framework::ShaderLibrary& shaders = Framework::GetGraphicsSystem().shaders;
  ui.mallSpin.done = true;
  Build(1);
  EXPECT_EQ(*shaders.CurrentPost(), "POST_BLACKWHITE");
  ui.mallSpin.done = false;
  ui.carnivalSpin.done = true;
  Enter(kLevel, true);
  EXPECT_EQ(*shaders.CurrentPost(), "POST_FALLOUT");
  ui.carnivalSpin.done = false;
  WriteIndex("empty", {});
  Enter("empty");
  EXPECT_EQ(*shaders.CurrentPost(), "POST_NORMAL");
}

}  // namespace
