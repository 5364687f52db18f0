#pragma once
// The tutorial: walks both players through fourteen steps that teach the
// Killer and the Detective. Each step shows a panel, waits for Start on
// either pad or Enter, frees the controls the step teaches, shows a hint and
// waits for the players to do it; then it holds them again and moves on.
// Halfway, the room is rearranged for a second part behind a fade.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/VScene.h"
#include "engine/core/Vector.h"
#include "game/scenes/PanelLock.h"
#include "game/scenes/TutorialSteps.h"

class Detective;
class Killer;
class NPC;
class Interactable;
class Explodable;

class TutorialScene : public Framework::VScene {
 public:
  static constexpr float kWalkedPastX = 100.0f;
  static constexpr float kRunSeconds = 2.5f;

  TutorialScene();

  void Initialize() override;
  void Update(float dt) override;
  void Draw() override;
  void Unload() override;

  // Each returns true once its fade has finished.
  bool FadeToBlack(float dt);
  bool FadeFromBlack(float dt);

  Framework::GameObject* detective = nullptr;
  Framework::GameObject* killer = nullptr;
  float fadeValue = 1.0f;
  float fadeDuration = 3.0f;
  float fadeTimer = 0.0f;
  // An explanation panel is up: the players are held.
  bool locked = false;
  bool updated = false;
  bool fadedIn = false;
  int32_t step = TutorialSteps::kIntro;
  int32_t introPage = 0;
  // Per step: 0 while its explanation is up, 1 once its hint is.
  int32_t subStep[TutorialSteps::kStepCount] = {};
  std::vector<Framework::GameObject*> sequenceOne;
  std::vector<Framework::GameObject*> sequenceTwo;
  Framework::GameObject* alarm = nullptr;
  Framework::GameObject* jukeBox = nullptr;
  bool sequenceTwoReady = false;
  Framework::GameObject* poolTableOne = nullptr;
  Framework::GameObject* poolTableTwo = nullptr;
  Math::Vector3<float> detectiveStart;
  float runTime = 0.0f;

 private:
  void FindObjects();
  void PrepareGuests();
  void ShowFirstPanels();
  void HandlePause();
  void RunStep(float dt);
  void RunIntro();
  void RunWalking();
  void RunTeachingStep(float dt);
  void Unlock();
  void DuringStep(float dt);
  bool StepComplete() const;
  void RunSeqTwo(float dt);
  void RunSeqTwoInit(float dt);
  void RunDone();
  void ArrangeSequenceTwo();
  void CountRun(float dt);
  // Counts a faint down; true in the frame the Detective gets up.
  bool CountDownFaint(float dt);
  void ShowStepPanels();
  // The one panel the current state shows; empty when none.
  std::string CurrentPanel() const;
  // Every panel of a step: its intro pages, or its explanation and hints.
  static std::vector<std::string> StepPanels(int which);
  void HideStepPanels(int which);

  bool Confirmed() const;
  static bool SecondPadConnected();

  Detective* TheDetective() const;
  Killer* TheKiller() const;
  NPC* Guest(std::size_t index) const;
  Interactable* JukeBoxProp() const;
  Explodable* JukeBoxRig() const;
  Interactable* AlarmProp() const;
  bool KillerCaught() const;

  PanelLock lock;
  // The Detective got up from a faint in this frame.
  bool detectiveGotUp = false;
  // The intro's first page is the pad variant (the first pad was connected).
  bool introOnPad = false;
};
