#pragma once
#include "engine/core/VScene.h"

// The tutorial: walks both players through the controls step by step.
class TutorialScene : public Framework::VScene {};
