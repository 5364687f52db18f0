#include "engine/core/Engine.h"

#include "engine/core/FramePacing.h"
#include "engine/core/InputManager.h"
#include "engine/platform/Platform.h"

namespace Framework {

Engine::Engine() : previousTicks(Platform::Ticks()), currentTicks(previousTicks) {}

void Engine::Initialize() {
  for (System* system : systems) system->Initialize();
  PublishFlag("pause", &paused);
  PublishFlag("fullscreen", &fullscreen);
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
  if (GetEngineHooks().drawFrame) GetEngineHooks().drawFrame();
}

void Engine::PublishFlag(const std::string& name, bool* flag) {
  if (GetEngineHooks().publishFlag) GetEngineHooks().publishFlag(name, flag);
}

bool Engine::QuitKeysPressed() {
  InputManager& input = GetInputManager();
  if (input.inputDisabled) return false;
  Platform::Backend& platform = Platform::Current();
  // Alt counts through a press of this frame too: Alt+F4 pressed and let go
  // within one slow frame leaves nothing held by the time the frame ends.
  const bool altHeld = platform.IsWindowActive() && (InputManager::IsKeyDownThisFrame(kKeyRowLAlt) ||
                                                     InputManager::IsKeyDownThisFrame(kKeyRowRAlt));
  if (!altHeld) return false;
  input.mouseInUse = false;
  return platform.IsWindowActive() && InputManager::TakeKeyTrigger(kKeyRowF4);
}

bool Engine::RunFrame() {
  previousTicks = currentTicks;
  for (System* system : systems) system->Update(dt);
  DrawFrame();
  Platform::Current().SwapBuffers();
  // The wait belongs to the frame, so dt stays the time from frame to frame.
  WaitOutFrame(Platform::Current(), previousTicks);
  currentTicks = Platform::Ticks();
  dt = static_cast<float>(static_cast<double>(currentTicks - previousTicks)) /
       static_cast<float>(Platform::kTicksPerSecond);
  if (QuitKeysPressed()) return false;
  return RunningFlag();
}

void Engine::GameLoop() {
  PublishFlag("quit", &RunningFlag());
  if (!RunningFlag()) return;
  while (RunFrame()) {
  }
}

EngineHooks& GetEngineHooks() {
  static EngineHooks hooks;
  return hooks;
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
