#include "engine/app/EngineSceneSteps.h"

#include <utility>

#include "engine/graphics/Debug.h"
#include "engine/graphics/EfxManager.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/physics/MapperFF.h"
#include "engine/physics/Physics.h"
#include "engine/ui/UISystem.h"

namespace Framework {

namespace {

void LoadWalkabilityGrid() {
  GraphicsSystem& graphics = GetGraphicsSystem();
  GetMapperFF().Load(MapperFF::kDefaultPath, graphics.windowWidth, graphics.windowHeight);
}

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

}  // namespace

SceneSwitchSteps EngineSceneSteps() {
  SceneSwitchSteps steps;
  steps.loadWalkabilityGrid = LoadWalkabilityGrid;
  steps.setUpButtonLists = [](VScene&) { GetUISystem().SetUpButtonLists(); };
  steps.collectEffects = CollectEffects;
  steps.resetSystemsForSceneChange = ResetSystemsForSceneChange;
  steps.updateEffects = [](float) { EfxManager::Instance().Update(); };
  steps.connectFade = [](std::function<float()> fadeValue) {
    GetGraphicsSystem().SetSceneFadeSource(std::move(fadeValue));
  };
  steps.publishFade = [](float fadeValue) { GetGraphicsSystem().SetOverlayFade(fadeValue); };
  steps.resetCamera = [] { GetCamera().Reset(); };
  return steps;
}

}  // namespace Framework
