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

bool Engine::AltHeld() {
  Platform::Backend& platform = Platform::Current();
  return platform.IsKeyDown(keyTable[kKeyRowLAlt].virtualKey) || platform.IsKeyDown(keyTable[kKeyRowRAlt].virtualKey);
}

bool Engine::QuitKeysPressed() {
  // Alt counts for F4's press if it was down at any moment since the last
  // check. A quick chord can split across two pumps (Alt down in one; F4
  // down and up, and Alt up, in the next), and one made and let go within
  // a slow frame leaves nothing held when the frame ends.
  const bool altAtLastCheck = altHeldAtLastCheck;
  altHeldAtLastCheck = AltHeld();
  InputManager& input = GetInputManager();
  if (input.inputDisabled) return false;
  Platform::Backend& platform = Platform::Current();
  const bool altDown = altAtLastCheck || InputManager::IsKeyDownThisFrame(kKeyRowLAlt) ||
                       InputManager::IsKeyDownThisFrame(kKeyRowRAlt);
  if (!platform.IsWindowActive() || !altDown) return false;
  input.mouseInUse = false;
  return InputManager::TakeKeyTrigger(kKeyRowF4);
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
