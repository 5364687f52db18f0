#include "engine/core/SceneManager.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <fstream>

#include "engine/core/Engine.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/InputManager.h"
#include "engine/core/SceneIndexFile.h"
#include "engine/core/Scriptable.h"
#include "engine/core/FileHelpers.h"

namespace Framework {

const char* const kDefaultSceneName = "DEFAULT_SCENE";

void SceneManager::Initialize() {
  // The placeholder's name field stays empty: it was never loaded by name.
  auto placeholder = std::make_shared<DefaultScene>();
  scenes[kDefaultSceneName] = placeholder;
  placeholder->Load();
  RunStep(systemSteps.connectFade, [this] { return fadeValue; });
  // The screen starts covered: the overlay must know before the first
  // fade step, or the first scene shows uncovered for a frame.
  RunStep(systemSteps.publishFade, fadeValue);
}

void SceneManager::Update(float dt) {
  BeginTiming();
  if (SwitchDue()) {
    if (!fadeEnabled || FadeOut(dt)) SwitchScene();
  } else if (!fadeEnabled || FadeIn(dt)) {
    RunCurrentScene(dt);
  }
  EndTiming();
}

void SceneManager::RunCurrentScene(float dt) {
  if (!GetEngine().paused) RunStep(systemSteps.updateEffects, dt);
  if (VScene* scene = GetCurrentScene()) scene->UpdateAll(dt);
}

void SceneManager::SwitchScene() {
  if (VScene* leaving = GetCurrentScene()) {
    leaving->DestroyObjects();
    leaving->Clear();
  }
  // Copy: a scene's hooks may ask for yet another scene while loading.
  const std::string target = nextSceneName;
  LoadScene(target);
  RunStep(systemSteps.resetCamera);
  if (VScene* entered = GetCurrentScene()) entered->Start();
  reload = false;
}

bool SceneManager::FadeOut(float dt) {
  if (std::fabs(fadeValue - 1.0f) <= FLT_EPSILON) {
    fadeTimer = 0.0f;
    return true;
  }
  GetInputManager().inputDisabled = true;
  fadeTimer = std::min(fadeTimer + dt, kFadeDuration);
  SetFadeValue(fadeTimer / kFadeDuration);
  return false;
}

bool SceneManager::FadeIn(float dt) {
  if (fadeValue <= FLT_EPSILON) {
    fadeTimer = 0.0f;
    GetInputManager().inputDisabled = false;
    return true;
  }
  fadeTimer = std::min(fadeTimer + dt, kFadeDuration);
  SetFadeValue(1.0f - fadeTimer / kFadeDuration);
  return false;
}

void SceneManager::SetFadeValue(float value) {
  fadeValue = value;
  RunStep(systemSteps.publishFade, fadeValue);
}

void SceneManager::LoadScene(const std::string& name) {
  SetSceneFolder("Resources/" + name + "/");
  std::vector<std::string> entries;
  const std::string indexPath = SceneIndexPath(name);
  if (!ReadSceneIndex(indexPath, entries)) {
    // Create the missing index once; if it still cannot be read (no
    // Resources folder, read-only disk) the scene loads with no objects.
    CreateEmptySceneFile(name);
    ReadSceneIndex(indexPath, entries);
  }
  static const std::string kResourcesPrefix = "Resources/";
  for (std::string& entry : entries) {
    const std::size_t at = entry.find(kResourcesPrefix);
    if (at != std::string::npos) entry.erase(at, kResourcesPrefix.size());
  }
  VScene& scene = SceneForLoading(name);
  // Current before the objects are built, so their scripts join this scene.
  currentSceneName = name;
  scene.LoadObjects(entries, "BinaryCollision.txt");
  scene.name = name;
}

VScene& SceneManager::SceneForLoading(const std::string& name) {
  std::shared_ptr<VScene>& entry = scenes[name];
  if (!entry) entry = std::make_shared<DefaultScene>();
  return *entry;
}

void SceneManager::CreateEmptySceneFile(const std::string& name) {
  MakeFolder(name);
  std::ofstream created(SceneIndexPath(name), std::ios::binary);
}

void SceneManager::AddScene(VScene* scene, std::string name) {
  if (scene) scene->name = name;
  scenes[name] = SharedScene(scene);
}

std::shared_ptr<VScene> SceneManager::SharedScene(VScene* scene) const {
  // A scene added twice (again, or under a second name) keeps one owner;
  // a second owner would delete it twice.
  for (const auto& entry : scenes) {
    if (scene && entry.second.get() == scene) return entry.second;
  }
  return std::shared_ptr<VScene>(scene);
}

VScene* SceneManager::GetScene(const std::string& name) const {
  auto found = scenes.find(name);
  return found == scenes.end() ? nullptr : found->second.get();
}

VScene* SceneManager::GetCurrentScene() const { return GetScene(currentSceneName); }

std::string SceneManager::GetCurrentSceneName() const {
  VScene* scene = GetCurrentScene();
  return scene ? scene->name : std::string();
}

GameObject* SceneManager::FindObject(const std::string& name) const {
  VScene* scene = GetCurrentScene();
  return scene ? scene->FindObject(name) : nullptr;
}

std::vector<GameObject*> SceneManager::FindObjectsByTag(const std::string& tag) const {
  VScene* scene = GetCurrentScene();
  return scene ? scene->FindObjectsByTag(tag) : std::vector<GameObject*>();
}

void SceneManager::RemoveObjectScripts(GameObject* object) {
  VScene* scene = GetCurrentScene();
  if (!object || !scene) return;
  for (GameComponent* component : object->GetComponents()) {
    if (auto* script = dynamic_cast<Scriptable*>(component)) scene->RemoveScript(script);
  }
}

void SceneManager::ForgetObject(GameObject* object) {
  if (VScene* scene = GetCurrentScene()) scene->ForgetObject(object);
}

void SceneManager::DrawCurrentScene() {
  if (VScene* scene = GetCurrentScene()) scene->Draw();
}

void SceneManager::PrepareSceneStart(VScene& scene) {
  RunStep(systemSteps.loadWalkabilityGrid);
  for (const auto& hook : sceneStartHooks) hook();
  RunStep(systemSteps.setUpButtonLists, scene);
  RunStep(systemSteps.collectEffects, scene);
}

void SceneManager::ResetSystemsForSceneChange() { RunStep(systemSteps.resetSystemsForSceneChange); }

void SceneManager::RunObjectsDestroyedHooks() {
  for (const auto& hook : objectsDestroyedHooks) hook();
}

void SceneManager::Shutdown() {
  if (VScene* scene = GetCurrentScene()) {
    const std::vector<GameObject*> current = scene->objects;
    for (GameObject* object : current) object->ShutdownComponents();
  }
  for (auto& entry : scenes) {
    if (!entry.second) continue;
    entry.second->objects.clear();
    entry.second->removalQueue.clear();
    entry.second->scripts.clear();
  }
  GetFactory().DestroyAllObjects();
  scenes.clear();
  RunStep(systemSteps.connectFade, std::function<float()>());
  sceneStartHooks.clear();
  objectsDestroyedHooks.clear();
  currentSceneName = nextSceneName = kDefaultSceneName;
  reload = false;
  fadeTimer = 0.0f;
  fadeValue = 1.0f;
}

SceneManager& GetSceneManager() {
  static SceneManager instance;
  return instance;
}

}  // namespace Framework
