#pragma once
#include "engine/core/SceneSwitchSteps.h"

namespace Framework {

// The engine systems' part of a scene switch: the walkability grid, the
// button lists, the effect objects, the per-scene reset of graphics,
// physics, effects, debug shapes and UI, the fade and the camera.
SceneSwitchSteps EngineSceneSteps();

}  // namespace Framework
