#pragma once
#include "game/guests/states/FSM_STATE.h"

// Tiredness: a guest that gets here goes straight back to idling.
class FSM_TIRED : public FSM_STATE {
 public:
  using FSM_STATE::FSM_STATE;
  void Enter() override;
};
