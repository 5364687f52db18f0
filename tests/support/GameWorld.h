#pragma once
// A headless dinner scene for the game's scenario tests: the real scene
// manager, object factory (with the game's components), input on the test
// backend with the shipped bindings, physics and the event queue, stepped
// frame by frame in the engine's order. Objects come from the shared
// archetype files that the levels list.
#include <string>

#include "engine/core/GameObject.h"
#include "engine/core/VScene.h"
#include "support/TestSupport.h"

class NPC;

namespace TestSupport {

// Gives a role (detectiveController, killerController) to a player while it
// lives; declare it before the characters that read the role.
struct ScopedRole {
  ScopedRole(int& held, int player) : role(held) { role = player; }
  ~ScopedRole() { role = -1; }
  int& role;
};

class GameWorld {
 public:
  // Seeds the generator and makes an empty scene current.
  explicit GameWorld(unsigned seed = 1);
  ~GameWorld();

  // Resources/archetypes/<archetype>.xml, placed at `at` and started in the scene.
  Framework::GameObject& Spawn(const std::string& archetype, const Math::Vec3& at);
  template <class T>
  T& Spawn(const std::string& archetype, const Math::Vec3& at) {
    return *Spawn(archetype, at).GetComponent<T>();
  }
  // A guest. A still one's script is off: it stands where it is put, yet
  // lives, dies and counts like any other.
  NPC& Guest(const Math::Vec3& at, bool still = true);

  void Frame(float dt = 1.0f / 60.0f);
  void Run(float seconds);
  // A key by its key-table name, held or let go.
  void Hold(const std::string& key, bool down = true);
  // Pressed for one frame, then released for one.
  void Tap(const std::string& key);
  Framework::VScene& Scene();

  ScopedTestBackend backend;

 private:
  TempFolder temp;
  ScopedWorkingFolder cwd;
};

}  // namespace TestSupport
