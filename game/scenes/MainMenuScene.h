#pragma once
#include "engine/core/VScene.h"

// The menu scenes: main menu, player select and level select.
class MainMenuScene : public Framework::VScene {};
