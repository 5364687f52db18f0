#pragma once
#include "game/guests/states/FSM_STATE.h"

// Hunger: nothing makes a guest hungry yet, so it goes back to idling.
class FSM_HUNGRY : public FSM_STATE {
 public:
  using FSM_STATE::FSM_STATE;
  void Execute() override;
};
