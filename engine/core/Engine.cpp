#include "engine/core/Engine.h"

#include "engine/audio/AudioManager.h"
#include "engine/core/EventSystem.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/InputManager.h"
#include "engine/core/SceneManager.h"
#include "engine/core/WindowsSystem.h"
#include "engine/graphics/Debug.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/ParticleSystem.h"
#include "engine/physics/Physics.h"
#include "engine/platform/Platform.h"
#include "engine/ui/SysVars.h"
#include "engine/ui/UISystem.h"

namespace Framework {

Engine::Engine() : previousTicks(Platform::Ticks()), currentTicks(previousTicks) {}

void Engine::RegisterSystems() {
  WindowsSystem& window = GetWindowsSystem();
  GraphicsSystem& graphics = GetGraphicsSystem();
  graphics.windowWidth = window.width;
  graphics.windowHeight = window.height;

  AddSystem(&window);
  AddSystem(&graphics);
  AddSystem(&GetInputManager());
  AddSystem(&GetPhysics());
  AddSystem(&GetFactory());
  AddSystem(&GetDebug());
  AddSystem(&GetSceneManager());
  AddSystem(&GetAudioManager());
  AddSystem(&GetUISystem());
  AddSystem(&GetParticleSystem());
  AddSystem(&GetEventSystem());
}

void Engine::Initialize() {
  for (System* system : systems) system->Initialize();
  SysVars().Register("pause", &paused);
  SysVars().Register("fullscreen", &fullscreen);
}

void Engine::BroadcastMessage(Message* message) {
  for (System* system : systems) system->SendMessage(message);
}

void Engine::Shutdown() {
  for (auto it = systems.rbegin(); it != systems.rend(); ++it) (*it)->Shutdown();
  systems.clear();
}

void Engine::DrawFrame() {
  // Every draw needs a current GL context; a headless engine has none and
  // only runs its systems.
  if (!Platform::Current().HasGLContext()) return;
  GetGraphicsSystem().RenderFrame();
  GetDebug().Draw();
  GetSceneManager().DrawCurrentScene();
}

bool Engine::QuitKeysPressed() {
  InputManager& input = GetInputManager();
  if (input.inputDisabled) return false;
  Platform::Backend& platform = Platform::Current();
  const bool altHeld = platform.IsWindowActive() && (platform.IsKeyDown(keyTable[kKeyRowLAlt].virtualKey) ||
                                                     platform.IsKeyDown(keyTable[kKeyRowRAlt].virtualKey));
  if (!altHeld) return false;
  input.mouseInUse = false;
  KeyInfo& f4 = keyTable[kKeyRowF4];
  if (!platform.IsWindowActive() || !platform.IsKeyDown(f4.virtualKey) || !f4.released) return false;
  f4.released = false;
  return true;
}

bool Engine::RunFrame() {
  previousTicks = currentTicks;
  for (System* system : systems) system->Update(dt);
  DrawFrame();
  Platform::Current().SwapBuffers();
  currentTicks = Platform::Ticks();
  dt = static_cast<float>(static_cast<double>(currentTicks - previousTicks)) /
       static_cast<float>(Platform::kTicksPerSecond);
  if (QuitKeysPressed()) return false;
  return RunningFlag();
}

void Engine::GameLoop() {
  SysVars().Register("quit", &RunningFlag());
  if (!RunningFlag()) return;
  while (RunFrame()) {
  }
}

Engine& GetEngine() {
  static Engine engine;
  return engine;
}

bool& RunningFlag() {
  static bool running = true;
  return running;
}

}  // namespace Framework
