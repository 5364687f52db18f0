#pragma once
#include "engine/core/CountdownTimer.h"
#include "game/guests/states/FSM_STATE.h"

// Panic: the guest freezes for up to 3 seconds, then runs about in one of
// four directions, changing every 1 to 2 seconds, until its panic time is
// used up. It counts as a panic source from its entry to its exit.
class FSM_PANIC : public FSM_STATE {
 public:
  using FSM_STATE::FSM_STATE;
  void Enter() override;
  void Execute() override;
  void Exit() override;

  float directionTimer = 0.0f;
  int runDirection = 1;
  CountdownTimer freezeTimer;
  // Whether this visit added a panic source that its exit must take back.
  bool countedAsSource = false;
};
