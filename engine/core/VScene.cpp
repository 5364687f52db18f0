#include "engine/core/VScene.h"

#include <algorithm>
#include <utility>

#include "engine/core/Engine.h"
#include "engine/core/EventSystem.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/SceneManager.h"
#include "engine/core/Scriptable.h"
#include "engine/core/Vector.h"

namespace Framework {

void VScene::LoadObjects(const std::vector<std::string>& archetypes, std::string /*collisionFile*/) {
  for (const std::string& archetype : archetypes) {
    std::shared_ptr<GameObject> object = GetFactory().Create(archetype);
    if (object) objects.push_back(object.get());
  }
  archetypeNames = archetypes;
  Load();
}

void VScene::Start() {
  // Copy first: a component's Initialize may create further objects.
  const std::vector<GameObject*> loaded = objects;
  for (GameObject* object : loaded) object->InitializeComponents();
  GetSceneManager().PrepareSceneStart(*this);
  Initialize();
}

void VScene::UpdateAll(float dt) {
  FlushRemovedObjects();
  if (!GetEngine().paused) UpdateScripts();
  Update(dt);
}

void VScene::UpdateScripts() {
  // A script may shut down other scripts (or itself) while the set is being
  // walked, so walk a copy and skip those that have left in the meantime.
  const std::vector<Scriptable*> snapshot(scripts.begin(), scripts.end());
  for (Scriptable* script : snapshot) {
    if (HasScript(script) && script->enabled) script->Update();
  }
}

void VScene::FlushRemovedObjects() {
  std::vector<GameObject*> leaving;
  leaving.swap(removalQueue);
  for (GameObject* object : leaving) {
    Math::RemoveFromVector(objects, object);
    if (object) GetFactory().QueueDestroy(object);
  }
}

void VScene::ForgetObject(GameObject* object) {
  objects.erase(std::remove(objects.begin(), objects.end(), object), objects.end());
  removalQueue.erase(std::remove(removalQueue.begin(), removalQueue.end(), object), removalQueue.end());
}

void VScene::DestroyObjects() {
  const std::vector<GameObject*> current = objects;
  for (GameObject* object : current) object->ShutdownComponents();
  GetSceneManager().RunObjectsDestroyedHooks();
  Free();
}

void VScene::Clear() {
  GetEngine().paused = false;
  objects.clear();
  scripts.clear();
  // Queued objects go with the rest; a stale entry could match a new
  // object built at the same address and remove it from the next scene.
  removalQueue.clear();
  GetEventSystem().ClearEvents();
  GetFactory().DestroyAllObjects();
  GetSceneManager().ResetSystemsForSceneChange();
  Unload();
}

GameObject* VScene::FindObject(const std::string& objectName) const {
  auto found = FindObjectByName(objects.begin(), objects.end(), objectName);
  return found == objects.end() ? nullptr : *found;
}

std::vector<GameObject*> VScene::FindObjectsByTag(const std::string& tag) const {
  std::vector<GameObject*> tagged;
  for (GameObject* object : objects) {
    if (object && object->GetTag() == tag) tagged.push_back(object);
  }
  return tagged;
}

}  // namespace Framework
