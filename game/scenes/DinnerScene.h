#pragma once
// A match scene: the dinner party where the Killer and the Detective play
// a round. It reads the kill target, publishes the round's counters, owns
// the match's panic system, prepares the players and the crowd when the
// match starts, watches the end conditions every frame, plays one of two
// outros and then shows the winner's panel until a player goes back to
// the main menu.
#include <functional>

#include "engine/core/GameObject.h"
#include "engine/core/Lerp.h"
#include "engine/core/VScene.h"
#include "game/match/PanicSystem.h"

class DetectiveIntro;

class DinnerScene : public Framework::VScene {
 public:
  static constexpr float kOutroDuration = 3.0f;
  // The Detective HUD's text sits this far left of and below its image.
  static constexpr float kHudTextLeft = 125.0f;
  static constexpr float kHudTextDown = 45.0f;

  DinnerScene();

  void Load() override;
  void Initialize() override;
  void Update(float dt) override;
  void Draw() override;
  void Unload() override;
  void Restart() override;

  bool IsKillerCaught() const;
  // Who won, as the panel will say: the round is lost by the Detective once
  // the kill target is reached or the panic strikes run out.
  bool DetectiveWins() const;

  // The kill target of every match, kept between loads.
  static int killTarget;

  float outroDuration = kOutroDuration;
  bool panelShown = false;
  bool fadeActive = false;
  bool outroActive = false;
  bool waitingForCue = true;
  bool outroFinished = false;
  Utility::LerpStartEnd<Math::Vec2> hudSlideIn;
  Utility::LerpStartEnd<Math::Vec2> hudSlideOut;
  Utility::LerpStartEnd<Math::Vec3> panelDrop;
  Utility::LerpStartEnd<float> fade;
  Math::Vec3 outroVelocity;
  Utility::LerpStartEnd<Math::Vec3> cameraTween;
  std::function<void(float)> outroStep;
  PanicSystem panic;
  Framework::GameObject* detective = nullptr;
  Framework::GameObject* killer = nullptr;
  Framework::GameObject* blackScreen = nullptr;

 private:
  // Initialize's steps.
  void BindDetective();
  void DisguiseKiller();
  void PlayLevelMusic();
  void PrepareCrowd();
  void BindIntro();
  void PrepareDetectiveHud();
  void SelectPostEffect();

  // Update's steps.
  void AdvanceOutroFade(float dt);
  void HandlePause();
  void SlideDetectiveHud(float dt);
  void DropPanel(float dt);
  void ShowWinnerPanel();
  void CheckForEnd(float dt);

  // The outros.
  void StartTween(float start, float end, float duration);
  void StartOutro(bool killerWins);
  void StartKillerOutro();
  void StartDetectiveOutro();
  void DetectiveOutroStep(float dt);
  void KillerOutroStep(float dt);
  void DetectiveDeathCue();
  void PrepareWinPanels();
  void FinishOutro();
  // Axis-aligned, at the Detective's walking speed, from one player to the other.
  Math::Vec3 OutroVelocity(const Framework::GameObject& from, const Framework::GameObject& to) const;
  Math::Vec3 CameraGoal(const Math::Vec3& arrest, float eyeHeight) const;
  bool OutroKeyPressed() const;

  Framework::GameObject* Find(const char* objectName) const { return FindObject(objectName); }
  DetectiveIntro* Intro() const;

  // Whether "panic_info.xml" lets the panic run at all: the Detective's
  // arrival may only switch on a panic the level has not switched off.
  bool panicAllowed = true;
};
