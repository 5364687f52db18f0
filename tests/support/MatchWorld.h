#pragma once
// A headless match for the match's tests: a scene of the real scene
// manager made current in a temporary folder, the object factory with the
// game's components, input on the test backend with the shipped bindings,
// physics and the event queue, stepped frame by frame in the engine's
// order. Objects come from the shared archetype files that the levels list.
#include <string>

#include "engine/core/GameObject.h"
#include "engine/core/VScene.h"
#include "support/TestSupport.h"

namespace Framework {
class SceneManager;
}

namespace TestSupport {

// The game on a fresh scene manager, as at start-up: the engine's wiring,
// the factory with the game's components, and the game's scene-switch steps.
void WireGame(Framework::SceneManager& scenes);

class MatchWorld {
 public:
  // Seeds the generator and makes `scene` (an empty one by default) current
  // under the name "dinner"; the world owns it.
  explicit MatchWorld(unsigned seed = 1, Framework::VScene* scene = nullptr);
  ~MatchWorld();

  // Resources/archetypes/<archetype>.xml, placed at `at` and started in the scene.
  Framework::GameObject& Spawn(const std::string& archetype, const Math::Vec3& at);
  template <class T>
  T& Spawn(const std::string& archetype, const Math::Vec3& at) {
    return *Spawn(archetype, at).GetComponent<T>();
  }

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
