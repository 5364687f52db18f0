// The tutorial played headless on the real scene (Resources/tutorial) with the
// real characters, guests and props: the players press the keys the binding
// files give them, frame by frame, through all fourteen steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "engine/app/EngineWiring.h"
#include "engine/core/Engine.h"
#include "engine/core/EventSystem.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/SceneManager.h"
#include "engine/graphics/EfxManager.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "engine/physics/Physics.h"
#include "engine/ui/UI.h"
#include "engine/ui/UISystem.h"
#include "game/GameComponents.h"
#include "game/GameSceneSteps.h"
#include "game/characters/Detective.h"
#include "game/characters/Killer.h"
#include "game/guests/NPC.h"
#include "game/match/Roles.h"
#include "game/scenes/TutorialScene.h"
#include "support/InputTestSupport.h"
#include "support/MatchWorld.h"
#include "support/TestSupport.h"

namespace {

using namespace TutorialSteps;
using Framework::GameObject;
using Math::Vec3;
constexpr float kFrame = 1.0f / 60.0f;

// The parameter is the Detective's player; the Killer is the other one.
class TutorialWalk : public testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    Platform::SeedRandom(7);
    Framework::GetGraphicsSystem().windowWidth = 1280;  // the walkable grid's size
    Framework::GetGraphicsSystem().windowHeight = 720;
    TestSupport::ResetInput(CORVIDALE_SOURCE_ROOT);
    auto& scenes = Framework::GetSceneManager();
    TestSupport::WireGame(scenes);
    detectiveController = cop = GetParam();
    killerController = crook = 3 - cop;
    scenes.AddScene(scene = new TutorialScene, "tutorial");
    scenes.ChangeScene("tutorial");
    Run(2.5f);
  }
  void TearDown() override {
    Framework::GetEventSystem().ClearEvents();
    Framework::GetSceneManager().Shutdown();
    Framework::EfxManager::Instance().Clear();
    Framework::GetEngine().paused = false;
  }
  void Frame() {
    Framework::GetEngine().dt = kFrame;
    Framework::GetInputManager().Update(kFrame);
    Framework::GetPhysics().Update(kFrame);
    Framework::GetFactory().Update(kFrame);
    Framework::GetSceneManager().Update(kFrame);
    Framework::GetUISystem().Update(kFrame);
    Framework::GetEventSystem().Update(kFrame);
    Framework::GetSceneManager().DrawCurrentScene();
  }
  bool RunUntil(const std::function<bool()>& done, float seconds, const std::function<void()>& each = {}) {
    for (float t = 0.0f; t < seconds && !done(); t += kFrame) {
      if (each) each();
      Frame();
    }
    return done();
  }
  void Run(float seconds) {
    RunUntil([] { return false; }, seconds);
  }
  void Key(int row, bool down) { backend->SetKeyDown(Framework::keyTable[row].virtualKey, down); }
  void Hold(int player, const std::string& action, bool down = true) {
    Key(Framework::GetInputManager().keyboardActions.at(action + "_" + std::to_string(player)), down);
  }
  void Tap(const std::function<void(bool)>& press) { press(true), Frame(), press(false), Frame(); }
  void Tap(int player, const std::string& action) {
    Tap([&](bool down) { Hold(player, action, down); });
  }
  void Confirm() {
    Tap([&](bool down) { Key(Framework::kKeyRowEnter, down); });
  }
  static bool Shown(const std::string& panel) {
    const auto& all = Framework::GetUISystem().Elements();
    return std::any_of(all.begin(), all.end(), [&](auto* ui) { return ui->OwnerTag() == panel && ui->IsEnabled(); });
  }
  // Steers with the player's movement keys (running) until within reach.
  bool WalkTo(int player, GameObject* who, const std::function<Vec3()>& target, float reach) {
    const auto steer = [&](bool on) {
      const Vec3 d = target() - who->GetTransform().position;
      Hold(player, "moveright", on && d.x > 8), Hold(player, "moveleft", on && d.x < -8);
      Hold(player, "moveup", on && d.y > 8), Hold(player, "movedown", on && d.y < -8), Hold(player, "run", on);
    };
    const bool arrived = RunUntil([&] { return Math::Distance(target(), who->GetTransform().position) < reach; }, 30.0f,
                                  [&] { steer(true); });
    steer(false);
    return arrived;
  }
  static std::function<Vec3()> At(GameObject* object) {
    return [object] { return object->GetTransform().position; };
  }
  static std::function<Vec3()> At(float x, float y) {
    return [=] { return Vec3(x, y, 0); };
  }
  Detective& TheDetective() { return *scene->detective->GetComponent<Detective>(); }
  // Confirms a teaching step's explanation, which gives way to its keyboard hint.
  void Learn(int step) {
    ASSERT_TRUE(scene->step == step && Shown(ExplanationPanel(step))) << step;
    Confirm();
    EXPECT_TRUE(!Shown(ExplanationPanel(step)) && Shown(HintPanel(step, false))) << step;
  }
  bool InStep(int step) const { return scene->step == step; }
  void Next(int step, float seconds, const std::function<void()>& each = {}) {
    ASSERT_TRUE(RunUntil([&] { return InStep(step); }, seconds, each)) << "stuck in step " << scene->step;
  }
  // A teaching step played through: the explanation confirmed, a walk along
  // the path (40 from each turn, `reach` from its end), the action pressed.
  void Teach(int player, std::vector<std::function<Vec3()>> path, float reach, const char* action, float seconds) {
    const int step = scene->step;
    Learn(step);
    GameObject* who = player == cop ? scene->detective : scene->killer;
    for (std::size_t i = 0; i < path.size() && !HasFatalFailure(); ++i)
      ASSERT_TRUE(WalkTo(player, who, path[i], i + 1 < path.size() ? 40.0f : reach));
    Tap(player, action);
    Next(step + 1, seconds);
  }
  // Plays the steps from the current one until `last` has begun.
  void PlayUntil(int last) {
    while (scene->step < last && !HasFatalFailure()) PlayStep();
  }
  void PlayStep();

  TestSupport::ScopedWorkingFolder cwd{CORVIDALE_SOURCE_ROOT};
  TestSupport::ScopedTestBackend backend;
  TutorialScene* scene = nullptr;
  int cop = 1, crook = 2;
};

void TutorialWalk::PlayStep() {
  GameObject *killer = scene->killer, *detective = scene->detective;
  const auto near = [](GameObject* object, float x, float y) {
    return Math::Distance(object->GetTransform().position, Vec3(x, y, 0)) < 1.0f;
  };
  switch (scene->step) {
    case kIntro:
      for (const char* page : {kIntroKeyboard, kIntroOne, kIntroTwo}) {
        EXPECT_TRUE(Shown(page)) << page;
        Confirm();
      }
      return;
    case kWalking:
      ASSERT_TRUE(Shown("Walking") && WalkTo(crook, killer, At(180, 60), 50.0f));
      Hold(cop, "moveright");  // the step ends as the second one walks past
      Next(kInteract, 20.0f);
      return Hold(cop, "moveright", false);
    case kInteract: return Teach(crook, {At(scene->jukeBox)}, 110.0f, "interact", 1.0f);
    case kSabo: return Teach(crook, {}, 0.0f, "action", 120.0f);  // a guest plays, and the jukebox goes off
    case kCalm:
      Learn(kCalm);
      EXPECT_EQ(scene->FindObject("NPC_2")->GetComponent<NPC>()->currentState, NPC::kPanic);  // until calmed
      ASSERT_TRUE(WalkTo(cop, detective, At(scene->FindObject("NPC_2")), 120.0f));
      Tap(cop, "interact");
      return Next(kHack, 1.0f);
    case kHack:  // starts the bar, then presses again while the arrow is on green
      Learn(kHack);
      ASSERT_TRUE(WalkTo(cop, detective, At(scene->FindObject("NPC_1")), 70.0f));
      return Next(kCatchWrong, 20.0f, [&, down = false]() mutable {
        const Detective& d = TheDetective();
        down = !down && (d.meterActive ? d.meter.JudgeArrow() == ReloadMeter::Hit::Perfect : !d.workTimer.running);
        Hold(cop, "interact", down);
      });
    case kCatchWrong: return Teach(cop, {At(scene->FindObject("NPC_2"))}, 70.0f, "action", 12.0f);
    case kCatch:
      EXPECT_TRUE(TheDetective().inputEnabled && !TheDetective().arrestEnabled);  // up again, not yet arresting
      return Teach(cop, {At(killer)}, 70.0f, "action", 6.0f);
    case kSeqTwo:
      Confirm();
      EXPECT_TRUE(near(killer, 0, 0) && near(scene->FindObject("NPC_6"), -100, -100));
      EXPECT_TRUE(near(scene->poolTableTwo, -300, -150) && near(detective, scene->detectiveStart.x, 0));
      EXPECT_TRUE(killer->GetComponent<Killer>()->alive &&
                  scene->FindObject("NPC_1")->GetTransform().position.x == 1000);
      return;
    case kSeqTwoInit: ASSERT_TRUE(RunUntil([&] { return Shown("SeqTwoInit"); }, 3.5f)); return Confirm();
    case kAlarmSpeech:  // round the crowd along the bottom wall
      return Teach(cop, {At(-520, -250), At(560, -250), At(scene->alarm)}, 80.0f, "interact", 1.0f);
    case kRunTeach:
      Learn(kRunTeach);
      Hold(crook, "run");
      Next(kSeqTwoCatch, 3.0f);
      return Hold(crook, "run", false);
    case kSeqTwoCatch: return Teach(cop, {At(killer)}, 70.0f, "action", 6.0f);
    default:
      EXPECT_TRUE(Shown("Done"));
      Confirm();
      EXPECT_EQ(Framework::GetSceneManager().NextSceneName(), "mainmenu");
      scene->step = kStepCount;
  }
}

TEST_P(TutorialWalk, BothRolesWalkThroughEveryStepToTheMainMenu) {
  // A panel holds both players: keys move nobody until it is confirmed.
  const Vec3 start = scene->killer->GetTransform().position;
  Hold(crook, "moveright"), Run(0.5f), Hold(crook, "moveright", false);
  EXPECT_EQ(Math::Distance(scene->killer->GetTransform().position, start), 0.0f);
  PlayUntil(kStepCount);
}

INSTANTIATE_TEST_SUITE_P(DetectiveIsPlayer, TutorialWalk, testing::Values(1, 2));

using TutorialEdges = TutorialWalk;
INSTANTIATE_TEST_SUITE_P(DetectiveIsPlayerOne, TutorialEdges, testing::Values(1));

TEST_P(TutorialEdges, AConfirmationDuringTheSecondFadeIsTakenAndTheFadeStillEnds) {
  PlayUntil(kSeqTwoInit);
  Confirm();
  EXPECT_TRUE(InStep(kAlarmSpeech) && scene->fadeValue > 0.5f);
  Run(3.5f);
  EXPECT_TRUE(scene->fadedIn && scene->fadeValue <= 0.0f);
}

TEST_P(TutorialEdges, LettingGoOfRunEarlyStartsTheCountAgain) {
  PlayUntil(kRunTeach);
  Learn(kRunTeach);
  Hold(crook, "run"), Run(2.0f), Hold(crook, "run", false), Frame(), Hold(crook, "run"), Run(2.0f);
  EXPECT_TRUE(InStep(kRunTeach));
  Run(0.6f);
  EXPECT_TRUE(InStep(kSeqTwoCatch));
}

TEST_P(TutorialEdges, HintsFollowTheSecondPadWhileTheIntroFollowsTheFirst) {
  const auto pad = [&](int slot, uint16_t buttons) { backend->SetPad(slot, {true, buttons}); };
  const auto start = [&](bool down) { pad(0, down ? 0x0010 : 0); };
  pad(0, 0);
  Framework::GetSceneManager().reload = true;  // the intro looks at the pads as the scene starts
  Run(2.5f);
  EXPECT_TRUE(Shown(kIntroController));
  for (int page = 0; page < 3; ++page) Tap(start);  // Start confirms a panel rather than pausing
  pad(0, 0x0008), Hold(crook, "moveright");         // right on the d-pad and on the keys
  Next(kInteract, 20.0f);
  Tap(start);
  EXPECT_TRUE(Shown("Interact_keyboard"));
  pad(1, 0), Frame();
  EXPECT_TRUE(Shown("Interact_controller") && !Shown("Interact_keyboard"));
}

TEST_P(TutorialEdges, TheUseStepEndsAtOnceWhenTheJukeboxIsAlreadyTaken) {
  PlayUntil(kWalking);
  ASSERT_TRUE(WalkTo(cop, scene->detective, At(60, -90), 30.0f));  // not yet past
  ASSERT_TRUE(WalkTo(crook, scene->killer, At(scene->jukeBox), 110.0f));
  Tap(crook, "interact");
  Hold(cop, "moveright"), Hold(cop, "run");
  Next(kSabo, 3.0f);
  Frame();
  EXPECT_TRUE(Shown("Sabo") && !Shown("Interact"));
}

TEST_P(TutorialEdges, PauseAndItsButtonsWorkWhileAPanelHoldsThePlayers) {
  PlayUntil(kInteract);
  Tap(1, "pause_game");
  EXPECT_TRUE(Framework::GetEngine().paused && Shown("PausePanel") && !Shown("Interact"));
  Tap(2, "pause_game");
  EXPECT_TRUE(!Framework::GetEngine().paused && Shown("Interact"));
  backend->SetActive(false), Frame(), backend->SetActive(true);
  EXPECT_TRUE(Framework::GetEngine().paused);
  for (const char* action : {"menu_down", "menu_down", "menu_down", "menu_select"}) Tap(2, action);
  EXPECT_EQ(Framework::GetSceneManager().NextSceneName(), "mainmenu");  // the pause panel's Main Menu
}

TEST_P(TutorialEdges, ADetectiveWhoPunchesAGuestAfterTheLessonGetsUpAgain) {
  PlayUntil(kCatch);
  Learn(kCatch);
  ASSERT_TRUE(WalkTo(cop, scene->detective, At(scene->FindObject("NPC_2")), 70.0f));
  Tap(cop, "action");
  Run(9.0f);
  EXPECT_TRUE(InStep(kCatch) && TheDetective().inputEnabled);
}

TEST_P(TutorialEdges, TheSecondPartOpensWithTheDetectiveStandingAndAlarmMarksOnlyOverPeopleInView) {
  Framework::GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  graphics.viewportWidth = 1280, graphics.viewportHeight = 720;  // framed as in the game
  Framework::GetSceneManager().reload = true;
  Run(2.5f);
  PlayUntil(kAlarmSpeech);
  EXPECT_EQ(scene->detective->GetComponent<Framework::Sprite>()->currentAnimSet, "IdleDown") << "not the arrest";
  PlayUntil(kRunTeach);  // the alarm has gone off
  const Framework::EfxManager& effects = Framework::EfxManager::Instance();
  for (const auto& mark : effects.Pools().at("Panic")) {
    const auto under = [&](GameObject* guest) {
      return mark->Follows(guest) && effects.bounds.Contains(guest->GetTransform().position);
    };
    const std::vector<GameObject*>& inPlay = scene->sequenceTwo;
    EXPECT_TRUE(!mark->playing || std::any_of(inPlay.begin(), inPlay.end(), under)) << "a mark over nobody in view";
  }
  graphics.viewportWidth = graphics.viewportHeight = 0;
}

TEST_P(TutorialEdges, EveryStepSkipsTheWorkOfObjectsThatAreMissing) {
  scene->objects.clear();  // nothing to find: every lookup comes back empty
  scene->Initialize();
  for (int step = kIntro; step < kStepCount; ++step) {
    scene->step = step;
    Confirm();
    Run(0.1f);
    EXPECT_TRUE(InStep(step) || !(IsTeaching(step) || step == kWalking))
        << "step " << step << " ended without its objects";
  }
}

}  // namespace
