#pragma once
#include "engine/core/VScene.h"

// The splash screen: shows the logo images, then moves on to the main menu.
class SplashScene : public Framework::VScene {};
