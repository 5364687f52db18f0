#include "game/scenes/TutorialScene.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "engine/audio/AudioManager.h"
#include "engine/core/Engine.h"
#include "engine/core/GameObject.h"
#include "engine/core/InputManager.h"
#include "engine/core/SceneManager.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "engine/physics/AABB.h"
#include "engine/physics/Moveable.h"
#include "engine/platform/Platform.h"
#include "engine/ui/UISystem.h"
#include "game/characters/Detective.h"
#include "game/characters/Killer.h"
#include "game/guests/NPC.h"
#include "game/match/RoomView.h"
#include "game/props/Explodable.h"
#include "game/props/Interactable.h"

using Framework::GameObject;
using Math::Vector3;
using namespace TutorialSteps;

namespace {

const char* const kPausePanel = "PausePanel";
const char* const kMusic = "Tutorial";
// "NPC_1" and "NPC_2" play the first part, the other four the second.
const char* const kGuestNames[] = {"NPC_1", "NPC_2", "NPC_3", "NPC_4", "NPC_5", "NPC_6"};
constexpr std::size_t kFirstPartGuests = 2;
const Vector3<float> kSecondPartSpots[] = {
    {100.0f, 100.0f, 0.0f}, {100.0f, -100.0f, 0.0f}, {-100.0f, 100.0f, 0.0f}, {-100.0f, -100.0f, 0.0f}};
const Vector3<float> kPoolTableOneSpot(300.0f, 150.0f, 0.0f);
const Vector3<float> kPoolTableTwoSpot(-300.0f, -150.0f, 0.0f);
// Beyond the right edge of the window: where the first part's leftovers go.
constexpr float kOffStageX = 1000.0f;

template <class T>
T* ComponentOf(GameObject* object) {
  return object ? object->GetComponent<T>() : nullptr;
}

void ShowPanel(const std::string& panel, bool on) {
  if (!panel.empty()) Framework::GetUISystem().SetMenuEnabled(panel, on);
}

void EnableBox(GameObject* object, bool on) {
  if (auto* box = ComponentOf<Framework::AABB>(object)) box->SetEnabled(on);
}

void EnableGuest(GameObject* object, bool on) {
  if (auto* guest = ComponentOf<NPC>(object)) guest->SetEnabled(on);
}

void MoveTo(GameObject* object, const Vector3<float>& position) {
  if (object) object->GetTransform().position = position;
}

void MoveToX(GameObject* object, float x) {
  if (object) object->GetTransform().position.x = x;
}

bool PadConnected(int player) {
  GamepadState* pad = Framework::GetInputManager().Pad(player);
  return pad && pad->Poll();
}

bool StartPressed(int player) {
  GamepadState* pad = Framework::GetInputManager().Pad(player);
  return pad && pad->IsStartTriggered();
}

// The guests' voices follow the look they wear.
void MatchVoiceToLook(NPC& guest) { guest.male = guest.sprite && guest.sprite->textureID.rfind("NPCMale", 0) == 0; }

}  // namespace

TutorialScene::TutorialScene() = default;

// ---------------------------------------------------------------- start

void TutorialScene::Initialize() {
  detective = FindObject("Player1");
  killer = FindObject("Player2");
  fadeValue = 1.0f;
  fadeDuration = 3.0f;
  fadeTimer = 0.0f;
  locked = true;
  step = kIntro;
  sequenceTwoReady = false;
  detectiveStart = detective ? detective->GetTransform().position : Vector3<float>();
  updated = false;
  fadedIn = false;
  detectiveGotUp = false;
  PrepareGuests();
  introPage = 0;
  std::fill(std::begin(subStep), std::end(subStep), 0);
  Framework::GetAudioManager().PlayBGM(kMusic);
  FindObjects();
  if (Detective* investigator = TheDetective()) {
    investigator->actionsEnabled = false;
    investigator->arrestEnabled = false;
    investigator->punchEnabled = false;
  }
  if (Killer* murderer = TheKiller()) murderer->sabotageEnabled = false;
  runTime = 0.0f;
  lock.Attach(TheDetective(), TheKiller());
  lock.Apply(locked);
  FrameTheRoom(*this);  // people by any wall show whole, and so do their bubbles
  ShowFirstPanels();
}

void TutorialScene::PrepareGuests() {
  sequenceOne.clear();
  sequenceTwo.clear();
  for (std::size_t i = 0; i < std::size(kGuestNames); ++i) {
    GameObject* guest = FindObject(kGuestNames[i]);
    (i < kFirstPartGuests ? sequenceOne : sequenceTwo).push_back(guest);
    EnableGuest(guest, false);
    EnableBox(guest, false);
    if (NPC* npc = ComponentOf<NPC>(guest)) MatchVoiceToLook(*npc);
  }
}

void TutorialScene::FindObjects() {
  alarm = FindObject("Alarm");
  if (Interactable* prop = AlarmProp()) {
    // Out of play until the second part.
    prop->available = false;
    prop->SetEnabled(false);
  }
  jukeBox = FindObject("JukeBox");
  poolTableOne = FindObject("Pooltable_1");
  poolTableTwo = FindObject("Pooltable_2");
}

void TutorialScene::ShowFirstPanels() {
  for (const std::string& panel : AllPanels()) ShowPanel(panel, false);
  introOnPad = PadConnected(1);
  ShowPanel(introOnPad ? kIntroController : kIntroKeyboard, true);
}

// ---------------------------------------------------------------- frame

void TutorialScene::Update(float dt) {
  HandlePause();
  updated = true;
  if (!Framework::GetEngine().paused) RunStep(dt);
  // Applied after the step, so the characters read the new state next frame.
  lock.Apply(locked);
}

void TutorialScene::HandlePause() {
  Framework::Engine& engine = Framework::GetEngine();
  Framework::UISystem& ui = Framework::GetUISystem();
  if (!Platform::Current().IsWindowActive() && !engine.paused) {
    ui.TogglePause();
    return;
  }
  const bool pauseOnTop = ui.openMenus.empty() || ui.openMenus.back() == kPausePanel;
  if (!pauseOnTop) return;
  for (int player : {1, 2}) {
    // Start is also the pad's confirmation: while a panel waits for it, a
    // pad player's Start confirms the panel; the pause keys still pause.
    if (locked && !engine.paused && PadConnected(player)) continue;
    if (Framework::GetInputManager().IsActionTriggered(player, "pause_game")) {
      ui.TogglePause();
      return;
    }
  }
}

void TutorialScene::RunStep(float dt) {
  const int stepAtStart = step;
  detectiveGotUp = step >= kCatchWrong && CountDownFaint(dt);
  switch (step) {
    case kIntro: RunIntro(); break;
    case kWalking: RunWalking(); break;
    case kSeqTwo: RunSeqTwo(dt); break;
    case kSeqTwoInit: RunSeqTwoInit(dt); break;
    case kDone: RunDone(); break;
    default: RunTeachingStep(dt); break;
  }
  // A confirmation during the second part's fade-in must not leave the
  // room half dark for the rest of the tutorial.
  if (stepAtStart > kSeqTwoInit && !fadedIn) fadedIn = FadeFromBlack(dt);
}

void TutorialScene::RunIntro() {
  locked = true;
  if (!Confirmed()) return;
  switch (introPage) {
    case 0:
      ShowPanel(kIntroController, false);
      ShowPanel(kIntroKeyboard, false);
      ShowPanel(kIntroOne, true);
      break;
    case 1: ShowPanel(kIntroOne, false); break;
    case 2:
      locked = false;
      ShowPanel(kIntroTwo, false);
      step = kWalking;
      break;
    default: break;
  }
  ++introPage;
}

void TutorialScene::RunWalking() {
  if (!detective || !killer) return;
  if (detective->GetTransform().position.x < kWalkedPastX || killer->GetTransform().position.x < kWalkedPastX) return;
  locked = true;
  ShowPanel(ExplanationPanel(kWalking), false);
  step = kInteract;
}

void TutorialScene::RunTeachingStep(float dt) {
  int32_t& counter = subStep[step];
  if (locked && counter == 0 && Confirmed()) {
    ShowPanel(ExplanationPanel(step), false);
    Unlock();
    locked = false;
    counter = 1;
  }
  DuringStep(dt);
  if (!StepComplete()) return;
  locked = true;
  HideStepPanels(step);
  ++step;
}

void TutorialScene::Unlock() {
  Detective* investigator = TheDetective();
  Killer* murderer = TheKiller();
  switch (step) {
    case kSabo:
      if (!sequenceOne.empty()) EnableBox(sequenceOne[0], true);
      if (murderer) murderer->sabotageEnabled = true;
      break;
    case kCalm:
      if (sequenceOne.size() > 1) {
        EnableBox(sequenceOne[1], true);
        EnableGuest(sequenceOne[1], true);
      }
      if (NPC* screamer = Guest(1)) screamer->Panic(std::numeric_limits<float>::max());
      if (investigator) investigator->actionsEnabled = true;
      break;
    case kHack:
      if (investigator) investigator->actionsEnabled = true;
      break;
    case kCatchWrong:
      if (investigator) investigator->actionsEnabled = investigator->punchEnabled = true;
      break;
    case kCatch:
      if (investigator) investigator->arrestEnabled = investigator->actionsEnabled = true;
      break;
    case kAlarmSpeech:
      if (investigator) investigator->inputEnabled = investigator->actionsEnabled = true;
      break;
    case kRunTeach:
      if (murderer) murderer->inputEnabled = true;
      break;
    case kSeqTwoCatch:
      if (investigator) investigator->arrestEnabled = true;
      break;
    default: break;
  }
}

void TutorialScene::DuringStep(float dt) {
  if (step == kSabo) {
    // Once the Killer has left the rigged jukebox, the guest beside it may
    // go and play with it.
    const Explodable* rig = JukeBoxRig();
    if (rig && rig->sabotaged && rig->available && !sequenceOne.empty()) EnableGuest(sequenceOne[0], true);
  } else if (step == kRunTeach) {
    CountRun(dt);
  }
}

bool TutorialScene::StepComplete() const {
  switch (step) {
    case kInteract: return JukeBoxProp() && !JukeBoxProp()->available;
    case kSabo: return JukeBoxRig() && JukeBoxRig()->broken;
    case kCalm: return Guest(1) && Guest(1)->currentState != NPC::kPanic && !locked;
    case kHack: return Guest(0) && Guest(0)->bodyRemoved && !locked;
    case kCatchWrong: return detectiveGotUp;
    case kCatch:
    case kSeqTwoCatch: return KillerCaught();
    case kAlarmSpeech: return AlarmProp() && !AlarmProp()->available;
    case kRunTeach: return runTime >= kRunSeconds;
    default: return false;
  }
}

void TutorialScene::CountRun(float dt) {
  // The Killer may be either player; a panel still up counts as letting go.
  const bool running = !locked && Framework::GetInputManager().IsActionDown(lock.KillerPlayer(), "run");
  runTime = running ? runTime + dt : 0.0f;
}

bool TutorialScene::CountDownFaint(float dt) {
  Detective* investigator = TheDetective();
  if (!investigator || investigator->faintTime <= 0.0f) return false;
  investigator->faintTime -= dt;
  if (investigator->faintTime > 0.0f) return false;
  investigator->faintTime = 0.0f;
  // Outside a match nothing else gets the Detective up: end its input
  // timer as if it had run out, which gives the controls back.
  CountdownTimer& timer = investigator->inputTimer;
  timer.Stop();
  if (timer.onExpire) timer.onExpire();
  return true;
}

void TutorialScene::RunSeqTwo(float dt) {
  if (!Confirmed()) return;
  FadeToBlack(dt);
  ShowPanel(ExplanationPanel(kSeqTwo), false);
  step = kSeqTwoInit;
}

void TutorialScene::RunSeqTwoInit(float dt) {
  fadedIn = FadeFromBlack(dt);
  if (!sequenceTwoReady) ArrangeSequenceTwo();
  if (!Confirmed()) return;
  ShowPanel(ExplanationPanel(kSeqTwoInit), false);
  step = kAlarmSpeech;
}

void TutorialScene::RunDone() {
  if (!Confirmed()) return;
  ShowPanel(ExplanationPanel(kDone), false);
  Framework::GetSceneManager().ChangeScene("mainmenu");
}

void TutorialScene::ArrangeSequenceTwo() {
  for (GameObject* guest : sequenceOne) {
    MoveToX(guest, kOffStageX);
    EnableGuest(guest, false);
    // Out of play for good: the alarm, a body or the crowd must not stir
    // a guest nobody can see, nor show her marks.
    if (guest) guest->SetEnabled(false);
  }
  if (detective) {
    MoveTo(detective, Vector3<float>(detectiveStart.x, 0.0f, detective->GetTransform().position.z));
  }
  if (Detective* investigator = TheDetective()) {
    investigator->arrestEnabled = false;
    // His input stays off until the alarm step, so nothing else would
    // end the arrest's pose.
    investigator->PlayAnimation(Moveable::Down(), "Idle", true, true);
  }
  MoveToX(jukeBox, kOffStageX);
  if (Interactable* prop = AlarmProp()) prop->SetEnabled(true);
  if (Killer* murderer = TheKiller()) {
    murderer->alive = true;
    // The handcuffs switched its box off.
    EnableBox(killer, true);
  }
  MoveTo(killer, Vector3<float>(0.0f, 0.0f, 0.0f));
  for (std::size_t i = 0; i < sequenceTwo.size() && i < std::size(kSecondPartSpots); ++i) {
    MoveTo(sequenceTwo[i], kSecondPartSpots[i]);
    EnableGuest(sequenceTwo[i], true);
    EnableBox(sequenceTwo[i], true);
  }
  MoveTo(poolTableOne, kPoolTableOneSpot);
  MoveTo(poolTableTwo, kPoolTableTwoSpot);
  // The first arrest ended with every track stopped.
  Framework::GetAudioManager().PlayBGM(kMusic);
  sequenceTwoReady = true;
}

// ---------------------------------------------------------------- panels

void TutorialScene::Draw() { ShowStepPanels(); }

void TutorialScene::ShowStepPanels() {
  // The pause panel has the screen to itself.
  const bool shown = !Framework::GetEngine().paused;
  const std::string current = CurrentPanel();
  for (const std::string& panel : StepPanels(step)) ShowPanel(panel, shown && panel == current);
}

std::string TutorialScene::CurrentPanel() const {
  switch (step) {
    case kIntro:
      if (introPage == 0) return introOnPad ? kIntroController : kIntroKeyboard;
      if (introPage == 1) return kIntroOne;
      return introPage == 2 && updated ? kIntroTwo : "";
    case kSeqTwoInit: return fadedIn ? ExplanationPanel(step) : "";
    default: break;
  }
  if (!IsTeaching(step)) return ExplanationPanel(step);
  return subStep[step] == 0 ? ExplanationPanel(step) : HintPanel(step, SecondPadConnected());
}

std::vector<std::string> TutorialScene::StepPanels(int which) {
  if (which == kIntro) return {kIntroController, kIntroKeyboard, kIntroOne, kIntroTwo};
  std::vector<std::string> panels = {ExplanationPanel(which)};
  if (IsTeaching(which)) {
    panels.push_back(HintPanel(which, true));
    panels.push_back(HintPanel(which, false));
  }
  return panels;
}

void TutorialScene::HideStepPanels(int which) {
  for (const std::string& panel : StepPanels(which)) ShowPanel(panel, false);
}

// ---------------------------------------------------------------- fades

bool TutorialScene::FadeToBlack(float dt) {
  if (std::fabs(fadeValue - 1.0f) <= FLT_EPSILON) {
    fadeTimer = 0.0f;
    return true;
  }
  fadeTimer = std::min(fadeTimer + dt, fadeDuration);
  fadeValue = fadeTimer / fadeDuration;
  Framework::GetGraphicsSystem().SetOverlayFade(fadeValue);
  return false;
}

bool TutorialScene::FadeFromBlack(float dt) {
  if (fadeValue <= FLT_EPSILON) {
    fadeTimer = 0.0f;
    return true;
  }
  fadeTimer = std::min(fadeTimer + dt, fadeDuration);
  fadeValue = 1.0f - fadeTimer / fadeDuration;
  Framework::GetGraphicsSystem().SetOverlayFade(fadeValue);
  return false;
}

// ---------------------------------------------------------------- leaving

void TutorialScene::Unload() {
  sequenceOne.clear();
  sequenceTwo.clear();
  locked = false;
  lock.Release();
  Framework::GetInputManager().inputDisabled = false;
  Framework::AudioManager& audio = Framework::GetAudioManager();
  audio.StopLastEffect();
  audio.StopAll();
  detective = killer = alarm = jukeBox = poolTableOne = poolTableTwo = nullptr;
}

// ---------------------------------------------------------------- lookups

bool TutorialScene::Confirmed() const {
  return StartPressed(1) || StartPressed(2) || Framework::InputManager::WasKeyPressed(Framework::kKeyRowEnter);
}

bool TutorialScene::SecondPadConnected() { return PadConnected(2); }

Detective* TutorialScene::TheDetective() const { return ComponentOf<Detective>(detective); }

Killer* TutorialScene::TheKiller() const { return ComponentOf<Killer>(killer); }

NPC* TutorialScene::Guest(std::size_t index) const {
  if (index < sequenceOne.size()) return ComponentOf<NPC>(sequenceOne[index]);
  index -= sequenceOne.size();
  return index < sequenceTwo.size() ? ComponentOf<NPC>(sequenceTwo[index]) : nullptr;
}

Interactable* TutorialScene::JukeBoxProp() const { return ComponentOf<Interactable>(jukeBox); }

Explodable* TutorialScene::JukeBoxRig() const { return ComponentOf<Explodable>(jukeBox); }

Interactable* TutorialScene::AlarmProp() const { return ComponentOf<Interactable>(alarm); }

bool TutorialScene::KillerCaught() const {
  const Killer* murderer = TheKiller();
  return murderer && !murderer->alive;
}
