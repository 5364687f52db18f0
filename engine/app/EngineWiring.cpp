#include "engine/app/EngineWiring.h"

#include "engine/app/ComponentRegistry.h"
#include "engine/app/EngineSceneSteps.h"
#include "engine/audio/AudioManager.h"
#include "engine/core/Engine.h"
#include "engine/core/EventSystem.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/InputManager.h"
#include "engine/core/SceneManager.h"
#include "engine/core/WindowsSystem.h"
#include "engine/graphics/Debug.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/ParticleSystem.h"
#include "engine/physics/Physics.h"
#include "engine/ui/SysVars.h"
#include "engine/ui/UISystem.h"

namespace Framework {

void RegisterSystems(Engine& engine) {
  WindowsSystem& window = GetWindowsSystem();
  GraphicsSystem& graphics = GetGraphicsSystem();
  graphics.windowWidth = window.width;
  graphics.windowHeight = window.height;

  engine.AddSystem(&window);
  engine.AddSystem(&graphics);
  engine.AddSystem(&GetInputManager());
  engine.AddSystem(&GetPhysics());
  engine.AddSystem(&GetFactory());
  engine.AddSystem(&GetDebug());
  engine.AddSystem(&GetSceneManager());
  engine.AddSystem(&GetAudioManager());
  engine.AddSystem(&GetUISystem());
  engine.AddSystem(&GetParticleSystem());
  engine.AddSystem(&GetEventSystem());
}

void WireEngine() {
  EngineHooks& hooks = GetEngineHooks();
  hooks.drawFrame = [] {
    GetGraphicsSystem().RenderFrame();
    GetDebug().Draw();
    GetSceneManager().DrawCurrentScene();
  };
  hooks.publishFlag = [](const std::string& name, bool* flag) { SysVars().Register(name, flag); };
  GetFactory().SetComponentRegistry(RegisterEngineComponents);
  GetSceneManager().SetSystemSteps(EngineSceneSteps());
}

}  // namespace Framework
