#include "engine/core/Engine.h"

#include "engine/platform/Platform.h"
#include "engine/ui/SysVars.h"

namespace Framework {

Engine::Engine() : previousTicks(Platform::Ticks()), currentTicks(previousTicks) {}

void Engine::RegisterSystems() {}

void Engine::Initialize() {
  for (System* system : systems) system->Initialize();
  SysVars().Register("pause", &paused);
  SysVars().Register("fullscreen", &fullscreen);
}

void Engine::BroadcastMessage(Message* message) {
  for (System* system : systems) system->SendMessage(message);
}

bool Engine::RunFrame() {
  previousTicks = currentTicks;
  for (System* system : systems) system->Update(dt);
  currentTicks = Platform::Ticks();
  dt = static_cast<float>(static_cast<double>(currentTicks - previousTicks)) / 10000000.0f;
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
