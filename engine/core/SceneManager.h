#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/SceneSwitchSteps.h"
#include "engine/core/System.h"
#include "engine/core/VScene.h"

namespace Framework {

// The name of the placeholder scene, current until the first switch.
extern const char* const kDefaultSceneName;

// Owns the scenes by name, switches between them behind a fade out and in,
// and drives the current scene once per frame.
class SceneManager : public System {
 public:
  std::string GetName() override { return "SceneManager"; }
  // Creates the placeholder scene and runs its Load.
  void Initialize() override;
  void Update(float dt) override;
  // Shuts down and drops every scene object and every scene at the end of
  // the program, while the systems they leave still exist.
  void Shutdown() override;

  // Takes ownership; replaces (and releases) a scene already under name.
  void AddScene(VScene* scene, std::string name);
  void RegisterScene(VScene* scene, std::string name) { AddScene(scene, std::move(name)); }
  // Asks for a switch in the next Update; asking for the current scene
  // does nothing unless the reload flag is set.
  void ChangeScene(std::string name) { nextSceneName = std::move(name); }

  // The scene under the current name, or null.
  VScene* GetCurrentScene() const;
  // The current scene's own name field; empty for the placeholder scene.
  std::string GetCurrentSceneName() const;
  // The key the current scene is stored under.
  const std::string& CurrentSceneKey() const { return currentSceneName; }
  const std::string& NextSceneName() const { return nextSceneName; }
  VScene* GetScene(const std::string& name) const;

  GameObject* FindObject(const std::string& name) const;
  std::vector<GameObject*> FindObjectsByTag(const std::string& tag) const;
  // Takes the object's script components out of the current scene's script set.
  void RemoveObjectScripts(GameObject* object);
  // Takes an object the factory is destroying off the current scene's lists.
  void ForgetObject(GameObject* object);

  // The frame loop draws the current scene through this.
  void DrawCurrentScene();

  // Builds the named scene from its index file and makes it current.
  void LoadScene(const std::string& name);
  // Creates "Resources/<name>/" and an empty index file in it.
  void CreateEmptySceneFile(const std::string& name);
  // Each returns true once its fade has finished.
  bool FadeOut(float dt);
  bool FadeIn(float dt);

  // 0 is the uncovered screen, 1 fully covered.
  float FadeValue() const { return fadeValue; }

  // Game code that keeps per-scene state registers here: hooks run when a
  // scene starts (before its Initialize) and after its objects were shut
  // down (before its Free).
  void AddSceneStartHook(std::function<void()> hook) { sceneStartHooks.push_back(std::move(hook)); }
  void AddObjectsDestroyedHook(std::function<void()> hook) { objectsDestroyedHooks.push_back(std::move(hook)); }
  void RunObjectsDestroyedHooks();

  // The systems' part of a switch, installed once by the application layer;
  // kept across Shutdown, since it is wiring rather than scene state.
  void SetSystemSteps(SceneSwitchSteps steps) { systemSteps = std::move(steps); }
  // Scene start after the objects were initialised: the walkability grid,
  // the game's start hooks, the button lists, the effect objects.
  void PrepareSceneStart(VScene& scene);
  // After a scene's objects were dropped: the systems' per-scene state goes.
  void ResetSystemsForSceneChange();

  // Set by scenes' Restart and the "ResetThisScene" action: reload the current scene.
  bool reload = false;

 private:
  bool SwitchDue() const { return reload || currentSceneName != nextSceneName; }
  void SwitchScene();
  void RunCurrentScene(float dt);
  void SetFadeValue(float value);
  // The scene stored under name; an unregistered name (or an empty entry)
  // gets a fresh placeholder scene.
  VScene& SceneForLoading(const std::string& name);
  // The owning pointer for scene: the one already held when it was added before.
  std::shared_ptr<VScene> SharedScene(VScene* scene) const;

  static constexpr float kFadeDuration = 1.0f;

  bool fadeEnabled = true;
  std::map<std::string, std::shared_ptr<VScene>> scenes;
  std::string currentSceneName = kDefaultSceneName;
  std::string nextSceneName = kDefaultSceneName;
  float fadeTimer = 0.0f;
  float fadeValue = 1.0f;  // the screen starts covered
  std::vector<std::function<void()>> sceneStartHooks;
  std::vector<std::function<void()>> objectsDestroyedHooks;
  SceneSwitchSteps systemSteps;
};

SceneManager& GetSceneManager();

}  // namespace Framework
