#pragma once
// The steps of a scene switch that belong to other systems. Each is one
// function so the system's owner can fill it in one place; the scene
// manager and the scenes call them at the right moment of the switch.
#include <functional>

namespace Framework {

class VScene;

namespace SceneSystemSteps {

// Scene start, in this order, after every object was initialised again.
void LoadWalkabilityGrid();
void SetUpButtonLists(VScene& scene);
void CollectEffects(VScene& scene);

// Leaving a scene, after the factory dropped the objects.
void ResetSystemsForSceneChange();

// Per frame while no fade runs and the engine is not paused.
void UpdateEffects(float dt);

// Lets the graphics system read the fade value for its UI layers
// (an empty function disconnects it).
void ConnectFade(std::function<float()> fadeValue);
// Hands the fade value to the overlay shader ("fadeVariable").
void PublishFade(float fadeValue);

// Back to the default view before the new scene starts.
void ResetCamera();

}  // namespace SceneSystemSteps
}  // namespace Framework
