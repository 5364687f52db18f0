#pragma once
#include "engine/core/VScene.h"

// A match scene: the dinner party where the Killer and the Detective play a round.
class DinnerScene : public Framework::VScene {};
