#include "game/guests/states/FSM_TIRED.h"

#include "game/guests/NPC.h"

void FSM_TIRED::Enter() { ChangeState(NPC::kIdle); }
