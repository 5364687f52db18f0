#pragma once
#include "game/guests/states/FSM_STATE.h"

namespace Framework {
class GameObject;
}

// The opening's forced guest: it walks to the nearest prop (at most 5
// seconds), eats (3 seconds), runs back towards where it started while
// slowing down (2 to 3 seconds) and dies. Whatever cuts this short, the
// Detective's entrance starts.
class FSM_FORCEINTERACT : public FSM_STATE {
 public:
  using FSM_STATE::FSM_STATE;
  static constexpr float kSlowdownPerSecond = 3.0f;

  void Enter() override;
  void Execute() override;
  // Leaving early (calmed, scared) still lets the Detective in.
  void Exit() override { SignalEntrance(); }
  // Sets the start flag on "DetectiveStart", once per visit.
  void SignalEntrance();

  float walkTime = 5.0f;
  float eatTime = 3.0f;
  float runTime = 3.0f;
  int phase = 0;
  Math::Vec3 startPosition;
  Math::Vec3 faceDirection;
  Framework::GameObject* targetObject = nullptr;
  bool entranceSignalled = false;

 private:
  // Signals the entrance and goes back to idling.
  void StartEntrance();
  void Walk();
  void RunBack();
};
