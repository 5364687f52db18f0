#include "engine/core/SceneSystemSteps.h"

#include <utility>

#include "engine/graphics/Debug.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/physics/MapperFF.h"
#include "engine/physics/Physics.h"

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
  GetGraphicsSystem().ClearLayers();
  GraphicsSystem::SetSpotlight(false, Math::Vec2(0.0f, 0.0f), 0.0f);
  GetPhysics().ClearScene();
  // The effects manager's Clear goes here, before the debug shapes.
  GetDebug().ClearShapes();
  // The UI system's stack of open menus is emptied here.
}

void UpdateEffects(float) {
  // The effects manager's per-frame update goes here.
}

void ConnectFade(std::function<float()> fadeValue) { GetGraphicsSystem().SetSceneFadeSource(std::move(fadeValue)); }

void PublishFade(float fadeValue) { GetGraphicsSystem().SetOverlayFade(fadeValue); }

void ResetCamera() { GetCamera().Reset(); }

}  // namespace SceneSystemSteps
}  // namespace Framework
