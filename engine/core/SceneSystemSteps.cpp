#include "engine/core/SceneSystemSteps.h"

#include "engine/graphics/GraphicsSystem.h"
#include "engine/physics/MapperFF.h"

namespace Framework {
namespace SceneSystemSteps {

void LoadWalkabilityGrid() {
  GraphicsSystem& graphics = GetGraphicsSystem();
  GetMapperFF().Load(MapperFF::kDefaultPath, graphics.windowWidth, graphics.windowHeight);
}

void SetUpButtonLists(VScene&) {
  // The UI system binds every button list of the scene here.
}

void CollectEffects(VScene&) {
  // The effects manager takes this scene as current and collects its
  // effect objects (tag "efx") here.
}

void ResetSystemsForSceneChange() {
  // In this order, once the owning systems offer them:
  // - graphics: empty every sprite layer, switch the spotlight off (all 0);
  // - physics: empty the body set and the sweep list;
  // - effects manager: Clear; debug: empty the shape list;
  // - UI: empty the stack of open menus.
}

void UpdateEffects(float) {
  // The effects manager's per-frame update goes here.
}

void PublishFade(float) {
  // Sets "fadeVariable" on the current overlay shader. The graphics system
  // also reads SceneManager::FadeValue() for its UI layers.
}

void ResetCamera() {
  // Camera eye (0, 0, 1), target (0, 0, 0), up (0, 1, 0).
}

}  // namespace SceneSystemSteps
}  // namespace Framework
