#include "game/match/Roles.h"

#include "engine/ui/UISystem.h"

int detectiveController = -1;
int killerController = -1;

bool BothRolesAssigned() { return detectiveController != -1 && killerController != -1; }

void InstallRoleCheck() { Framework::GetUISystem().SetPlayersReadyCheck(BothRolesAssigned); }
