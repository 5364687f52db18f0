#pragma once
// Which controller (player 1 or 2) holds each role; -1 while the role is
// free. The player-select screen writes them; they keep their values across
// scenes.
extern int detectiveController;
extern int killerController;
