#pragma once
#include <set>
#include <string>
#include <vector>

#include "engine/core/GameObject.h"

class Scriptable;

namespace Framework {

// Base of every scene. The hooks (Load ... Restart) are for the game's
// scenes to fill; the non-virtual operations are the steps the scene
// manager runs when it loads, starts, updates and leaves a scene.
class VScene {
 public:
  VScene() = default;
  VScene(const VScene&) = delete;
  VScene& operator=(const VScene&) = delete;

  // After the scene's objects were built from its index file.
  virtual void Load() {}
  // Last step of Start: objects initialised, other systems set up.
  virtual void Initialize() {}
  // Last step of DestroyObjects, after the objects were shut down.
  virtual void Free() {}
  // Every frame the scene is current and no fade runs, also while paused.
  virtual void Update(float /*dt*/) {}
  // Every frame from the frame loop, fades included.
  virtual void Draw() {}
  virtual void Reserved5() {}
  // The last call a scene receives when it is left.
  virtual void Unload() {}
  // Scenes that support it ask the scene manager to reload them.
  virtual void Restart() {}
  virtual ~VScene() = default;

  // Builds the listed archetypes (in the current scene folder) in order and
  // then runs Load. The collision file name is carried but not used.
  void LoadObjects(const std::vector<std::string>& archetypes, std::string collisionFile);
  // Initialises every object again, rebuilds the per-scene state of the
  // other systems, then runs Initialize.
  void Start();
  void UpdateAll(float dt);
  // Shuts every object down, then runs Free.
  void DestroyObjects();
  // Drops the objects and the per-scene state of every system, then Unload.
  void Clear();
  void FlushRemovedObjects();
  // Drops every mention of an object that is being destroyed.
  void ForgetObject(GameObject* object);

  GameObject* FindObject(const std::string& objectName) const;
  std::vector<GameObject*> FindObjectsByTag(const std::string& tag) const;

  void AddScript(Scriptable* script) { scripts.insert(script); }
  void RemoveScript(Scriptable* script) { scripts.erase(script); }
  bool HasScript(Scriptable* script) const { return scripts.count(script) > 0; }

  std::string name;
  // Objects waiting to leave the scene; handed to the factory on the next UpdateAll.
  std::vector<GameObject*> removalQueue;
  // In creation order; owned by the object factory.
  std::vector<GameObject*> objects;
  std::vector<std::string> archetypeNames;
  // Scripts join when initialised and leave when shut down; visited in pointer order.
  std::set<Scriptable*> scripts;

 private:
  void UpdateScripts();
};

// The placeholder scene: current until the first switch, and what an
// unregistered scene name loads as.
class DefaultScene : public VScene {};

// First object in [first, last) named objectName, or last.
template <class Iterator>
Iterator FindObjectByName(Iterator first, Iterator last, const std::string& objectName) {
  for (; first != last; ++first) {
    if (*first && (*first)->GetName() == objectName) return first;
  }
  return last;
}

}  // namespace Framework
