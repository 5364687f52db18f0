#pragma once
// The Detective's entrance. Once the forced guest has died, a countdown
// runs (published as the shared variable "entryTime" for the HUD); then
// the Detective walks in from this object's position to endPosition with
// its controls locked, while the police siren drives in, sounds, waits and
// drives out. When the walk ends the controls come back and the match is
// told the Detective has arrived.
#include <functional>
#include <string>

#include "engine/core/Lerp.h"
#include "engine/core/Scriptable.h"
#include "engine/core/Vector.h"
#include "game/guests/EntranceStarter.h"

class Detective;

class DetectiveIntro : public Scriptable, public EntranceStarter {
 public:
  explicit DetectiveIntro(Framework::GameObject* owner);
  // Leaves "entryTime" pointing at a zero, never at a destroyed intro.
  ~DetectiveIntro() override;

  void Serialize(Framework::XMLSerializer& serializer) override;
  void Deserialize(Framework::XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "DetectiveIntro"; }
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override;
  void Reset() override;
  void Start() override;
  void Stop() override;
  void Update() override;
  // The forced guest's last step: the countdown begins.
  void StartEntrance() override { started = true; }

  // Called with true when the Detective has arrived.
  std::function<void(bool)> arrivalCallback;
  // Set by the forced guest's last step; nothing happens before.
  bool started = false;
  bool sirenLeaving = false;

  float entryTime = 0.0f;
  float walkTime = 3.0f;
  Math::Vec3 endPosition;
  int detectiveTransition = Utility::Linear;
  float sirenEntryTime = 0.0f;
  float sirenWalkTime = 3.0f;
  float sirenStayTime = 3.0f;
  float sirenExitTime = 3.0f;
  Math::Vec3 sirenEnterPosition;
  Math::Vec3 sirenExitPosition;
  int sirenEnterTransition = Utility::QuadOut;
  int sirenExitTransition = Utility::QuadIn;

  Framework::GameObject* detective = nullptr;
  Framework::GameObject* siren = nullptr;
  Utility::LerpStartEnd<Math::Vec3> walkTween;
  Utility::LerpStartEnd<Math::Vec3> sirenTween;
  Utility::LerpStartEnd<float> countdown;
  Math::Vec3 walkDirection;
  float detectiveTimer = 0.0f;
  float sirenTimer = 0.0f;
  bool walking = false;
  bool sirenMoving = false;
  bool sirenStaying = false;
  bool finished = false;

 private:
  void PublishEntryTime();
  Detective* DetectiveComponent() const;
  bool MatchOver() const;
  void SetDetectiveControls(bool on);
  void AdvanceCountdown(float dt);
  void StartWalk();
  void Finish();
  void StepSiren();
  void MoveSiren(float dt);
};
