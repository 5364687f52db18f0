#pragma once
#include "game/guests/states/FSM_STATE.h"

// Idling: every entry draws what to do next: get bored (look for a prop),
// get hungry, wander 100 units in a compass direction, or stand for a
// second or two.
class FSM_IDLE : public FSM_STATE {
 public:
  using FSM_STATE::FSM_STATE;
  static constexpr float kWanderStep = 100.0f;
  static constexpr float kArrival = 2.0f;

  void Enter() override;
  void Execute() override;
  void Exit() override { idleTimer = 0.0f; }

  Math::Vec3 wanderTarget;
  bool walking = false;
  float idleTimer = 0.0f;

 private:
  void PickWanderTarget();
  // False once within reach of the target.
  bool WalkTowards(const Math::Vec3& target);
};
