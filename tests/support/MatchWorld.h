#pragma once
// A match world for the game's tests: the engine's systems on the test
// backend with the game's components and scene steps, driven frame by frame
// in the engine's order, over scenes written to a temporary Resources
// folder that holds a copy of the shipped shared archetypes.
#include <string>
#include <vector>

#include "engine/core/GameObject.h"
#include "engine/core/SceneManager.h"
#include "support/InputTestSupport.h"
#include "support/TestSupport.h"

namespace TestSupport {

class MatchWorld : public InputFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes Resources/<scene>/<file> holding one object.
  void WriteObject(const std::string& scene, const std::string& file, const std::string& archetype);
  // The scene's index: entries relative to its folder ("../archetypes/X.xml").
  void WriteIndex(const std::string& scene, const std::vector<std::string>& entries);
  // Asks for the scene (or a reload) and runs frames until its fade-in is over.
  void Enter(const std::string& scene, bool reload = false);
  // One frame of every system that takes part in a match.
  void Frame(float dt = 0.1f);
  void Seconds(float seconds, float dt = 0.1f);
  // Holds the key for one frame, then lets it go for one.
  void Tap(const std::string& keyName);

  Framework::GameObject* Object(const std::string& name) const;
  template <class T>
  T* Find(const std::string& name) const {
    Framework::GameObject* object = Object(name);
    return object ? object->GetComponent<T>() : nullptr;
  }

  // An archetype file: header plus the components' elements.
  static std::string Archetype(const std::string& name, const std::string& tag, const std::string& position,
                               const std::string& components, bool enabled = true);
  static std::string Field(const std::string& name, const std::string& type, const std::string& value);

  TempFolder temp;
  Framework::SceneManager& scenes = Framework::GetSceneManager();

 private:
  ScopedWorkingFolder* cwd = nullptr;
};

}  // namespace TestSupport
