#include "engine/core/SceneSystemSteps.h"

#include <utility>

#include "engine/graphics/Debug.h"
#include "engine/graphics/EfxManager.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/physics/MapperFF.h"
#include "engine/physics/Physics.h"
#include "engine/ui/UISystem.h"

namespace Framework {
namespace SceneSystemSteps {

void LoadWalkabilityGrid() {
  GraphicsSystem& graphics = GetGraphicsSystem();
  GetMapperFF().Load(MapperFF::kDefaultPath, graphics.windowWidth, graphics.windowHeight);
}

void SetUpButtonLists(VScene&) { GetUISystem().SetUpButtonLists(); }

void CollectEffects(VScene& scene) {
  EfxManager& effects = EfxManager::Instance();
  effects.SetScene(&scene);
  effects.LoadSceneEffects();
}

void ResetSystemsForSceneChange() {
  GetGraphicsSystem().ClearLayers();
  GraphicsSystem::SetSpotlight(false, Math::Vec2(0.0f, 0.0f), 0.0f);
  GetPhysics().ClearScene();
  EfxManager::Instance().Clear();
  GetDebug().ClearShapes();
  GetUISystem().ClearSceneState();
}

void UpdateEffects(float) { EfxManager::Instance().Update(); }

void ConnectFade(std::function<float()> fadeValue) { GetGraphicsSystem().SetSceneFadeSource(std::move(fadeValue)); }

void PublishFade(float fadeValue) { GetGraphicsSystem().SetOverlayFade(fadeValue); }

void ResetCamera() { GetCamera().Reset(); }

}  // namespace SceneSystemSteps
}  // namespace Framework
