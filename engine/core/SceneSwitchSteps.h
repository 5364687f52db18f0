#pragma once
// The steps of a scene switch that belong to the systems above the core
// (graphics, physics, UI). The application layer fills them in at start-up;
// a step left empty is skipped, so a core without them still switches.
#include <functional>

namespace Framework {

class VScene;

struct SceneSwitchSteps {
  // Scene start, in this order, after every object was initialised again;
  // the game's start hooks run between the grid and the button lists.
  std::function<void()> loadWalkabilityGrid;
  std::function<void(VScene&)> setUpButtonLists;
  std::function<void(VScene&)> collectEffects;

  // Leaving a scene, after the factory dropped the objects.
  std::function<void()> resetSystemsForSceneChange;

  // Per frame while no fade runs and the engine is not paused.
  std::function<void(float)> updateEffects;

  // Lets the graphics system read the fade value for its UI layers
  // (an empty source disconnects it).
  std::function<void(std::function<float()>)> connectFade;
  // Hands the fade value to the overlay shader.
  std::function<void(float)> publishFade;

  // Back to the default view before the new scene starts.
  std::function<void()> resetCamera;
};

// Runs step with args when it is filled in.
template <class Step, class... Args>
void RunStep(const Step& step, Args&&... args) {
  if (step) step(std::forward<Args>(args)...);
}

}  // namespace Framework
