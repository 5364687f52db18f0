#include "game/GameScenes.h"

void AddGameScenes() {}
