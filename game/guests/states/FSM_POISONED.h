#pragma once
#include "game/guests/states/FSM_STATE.h"

// Poisoned: the guest turns green and dies 2 to 5 seconds later.
class FSM_POISONED : public FSM_STATE {
 public:
  using FSM_STATE::FSM_STATE;
  void Enter() override;
  void Execute() override;

  float poisonTimer = 0.0f;
};
