#pragma once

namespace Framework {
class SceneManager;
}

// The game's part of a scene switch, through the scene manager's hooks:
// a starting scene resets the crowd counters, and destroying a scene's
// objects empties the guest set and the prop registry.
void InstallGameSceneSteps(Framework::SceneManager& scenes);
