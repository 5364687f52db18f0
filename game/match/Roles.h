#pragma once
// Which player (1 or 2) holds each role; -1 while the role is free. The
// player-select screen writes them and the Killer and the Detective take
// their controller from them. They keep their values across scenes: coming
// back to the player select shows the earlier choice.
extern int detectiveController;
extern int killerController;

bool BothRolesAssigned();

// Lets the menus' "CheckPlayers" action ask whether both roles are taken.
// Run once at start-up.
void InstallRoleCheck();
