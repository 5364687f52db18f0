#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/core/System.h"

namespace Framework {

// What the frame loop needs from the systems above the core, installed by
// the application layer for every engine object. Empty hooks are skipped.
struct EngineHooks {
  // The frame's drawing after every system's Update, before the swap.
  std::function<void()> drawFrame;
  // Publishes one of the engine's flags as a shared variable.
  std::function<void(const std::string& name, bool* flag)> publishFlag;
};
EngineHooks& GetEngineHooks();

// The engine object: its ordered list of systems (not owned) and the frame
// loop. The application layer fills the list.
class Engine {
 public:
  Engine();
  void AddSystem(System* system) { systems.push_back(system); }
  void Initialize();
  void GameLoop();
  // Runs one frame; false when the loop should end (quit cleared or Alt+F4).
  bool RunFrame();
  void BroadcastMessage(Message* message);
  // Shuts the systems down in reverse order and empties the list, so the
  // program ends with nothing left for static destructors to reach across.
  void Shutdown();

  bool fullscreen = false;
  bool soundEnabled = true;  // gates all sound playback; never changed
  bool paused = false;
  std::vector<System*> systems;
  float dt = 0.0f;
  uint64_t previousTicks = 0;
  uint64_t currentTicks = 0;

 private:
  void DrawFrame();
  void PublishFlag(const std::string& name, bool* flag);
  bool QuitKeysPressed();
  static bool AltHeld();

  bool altHeldAtLastCheck = false;
};

Engine& GetEngine();

// The running flag, published as "quit": true means keep running.
bool& RunningFlag();

}  // namespace Framework
