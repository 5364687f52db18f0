#include "game/guests/states/FSM_HUNGRY.h"

#include "game/guests/NPC.h"

void FSM_HUNGRY::Execute() {
  if (!owner->hungry) ChangeState(NPC::kIdle);
}
