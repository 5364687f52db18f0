#pragma once
#include <cstdint>
#include <vector>

#include "engine/core/System.h"

namespace Framework {

// The engine object: its ordered list of systems (not owned) and the frame loop.
class Engine {
 public:
  Engine();
  // The eleven systems in update order, after handing the window size to
  // the graphics system.
  void RegisterSystems();
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
  bool QuitKeysPressed();
};

Engine& GetEngine();

// The running flag, published as "quit": true means keep running.
bool& RunningFlag();

}  // namespace Framework
