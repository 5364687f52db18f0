#include "engine/core/GameObjectFactory.h"

#include <iostream>
#include <utility>
#include <vector>

#include "engine/core/FileHelpers.h"
#include "engine/core/XMLSerializer.h"
#include "engine/core/SceneManager.h"
#include "engine/core/WindowsSystem.h"
#include "engine/core/Engine.h"

namespace Framework {

namespace {

// Real archetypes hold a handful; each component's field searches may look
// through the rest of the file.
constexpr int kMaxComponents = 1000;

}  // namespace

void GameObjectFactory::Initialize() {
  if (componentRegistry) componentRegistry(*this);
}

void GameObjectFactory::Update(float) {
  // Shutting an object down may queue further objects; those wait a frame.
  std::set<GameObject*> queued;
  queued.swap(objectsToDestroy);
  for (GameObject* target : queued) {
    for (auto it = objects.begin(); it != objects.end(); ++it) {
      if (it->second.get() != target) continue;
      std::shared_ptr<GameObject> keepAlive = it->second;
      objects.erase(it);
      keepAlive->LeaveNames();
      // Off the scene's list first: it must not reach a freed object later.
      GetSceneManager().ForgetObject(target);
      keepAlive->ShutdownComponents();
      break;
    }
  }
}

void GameObjectFactory::Shutdown() {
  DestroyAllObjects();
  creators.clear();
}

std::shared_ptr<GameObject> GameObjectFactory::Create(const std::string& archetype) {
  // A scene of many objects still hears the close button, Alt+F4 and
  // SIGTERM; once quit is heard nothing more is built, and the frame loop
  // ends after this frame.
  PumpWindowEventsWhileBusy();
  if (!RunningFlag()) return nullptr;
  std::shared_ptr<GameObject> object = CreateFromFile(GetSceneFolder() + archetype);
  if (object) object->InitializeComponents();
  return object;
}

std::shared_ptr<GameObject> GameObjectFactory::CreateFromFile(const std::string& path) {
  XMLSerializer reader;
  if (!reader.Open(path, XMLSerializer::kRead)) return nullptr;
  const ArchetypeHeader header = ReadObjectHeader(reader);
  if (CountComponents(reader.GetCursor()) > kMaxComponents) {
    std::cerr << "Error: " << path << " lists more than " << kMaxComponents << " components; no object is made\n";
    return nullptr;
  }
  std::shared_ptr<GameObject> object = CreateEmptyObject(Math::Vec3(0, 0, 0), Math::Vec3(1, 1, 1), 0.0f);
  object->SetEnabled(header.enabled);
  object->SetName(header.hasName ? header.name : "object" + std::to_string(object->GetId()));
  object->SetTag(header.hasTag ? header.tag : "untagged");
  // The components follow the header elements as their siblings, starting
  // at the last header element found.
  while (TiXmlElement* element = reader.GetCursor()) {
    const std::string elementName = reader.GetCurrentName();
    if (elementName == "Transform") {
      object->GetTransform().Deserialize(reader);
    } else {
      AddComponentFromElement(*object, elementName, reader);
    }
    // The walk goes on after this element wherever the component's reader
    // left the cursor, so a reader that wanders can neither skip the
    // components that follow nor send the walk back over read ones.
    reader.SetCursor(element);
    reader.MoveToNextSibling();
  }
  reader.Close();
  return object;
}

GameObjectFactory::ArchetypeHeader GameObjectFactory::ReadObjectHeader(XMLSerializer& reader) const {
  // Each search starts where the previous one stopped, so the three
  // elements are found only in this order.
  ArchetypeHeader header;
  if (reader.FindElement("Enabled", reader.GetCursor())) ReadElement(reader.GetCursor(), header.enabled, "Enabled");
  header.hasName = reader.FindElement("Name", reader.GetCursor());
  if (header.hasName) reader.ReadString(header.name);
  header.hasTag = reader.FindElement("Tag", reader.GetCursor());
  if (header.hasTag) reader.ReadString(header.tag);
  return header;
}

int GameObjectFactory::CountComponents(TiXmlElement* first) const {
  int count = 0;
  for (TiXmlElement* element = first; element && count <= kMaxComponents; element = element->NextSiblingElement()) {
    if (element->ValueStr() == "Transform" || HasCreator(element->ValueStr())) ++count;
  }
  return count;
}

void GameObjectFactory::AddComponentFromElement(GameObject& object, const std::string& elementName,
                                                XMLSerializer& reader) {
  auto creator = creators.find(elementName);
  if (creator == creators.end()) return;  // not a component: skipped
  std::shared_ptr<GameComponent> component(creator->second->Create(&object));
  if (!component) return;
  object.AddComponent(component);
  if (component->IsToggleable()) component->SetEnabled(object.IsEnabled());
  component->Deserialize(reader);
}

std::shared_ptr<GameObject> GameObjectFactory::CreateEmptyObject(const Math::Vec3& position,
                                                                 const Math::Vec3& scale, float rotation) {
  auto object = std::make_shared<GameObject>(position, scale, rotation);
  object->SetName(names.FirstFree("GameObject", ""));
  AddObject(object);
  return object;
}

std::shared_ptr<GameObject> GameObjectFactory::CreateEmptyObject(const Transform& transform) {
  return CreateEmptyObject(transform.position, transform.scale, transform.rotation);
}

void GameObjectFactory::AddObject(std::shared_ptr<GameObject> object) {
  if (!object) return;
  object->SetId(nextId++);
  object->JoinNames(&names);
  std::shared_ptr<GameObject>& slot = objects[object->GetId()];
  if (slot) slot->LeaveNames();
  slot = std::move(object);
}

GameObject* GameObjectFactory::FindObjectByName(const std::string& name) const {
  for (const auto& entry : objects) {
    if (entry.second->GetName() == name) return entry.second.get();
  }
  return nullptr;
}

std::weak_ptr<GameObject> GameObjectFactory::GetHandle(const GameObject* object) const {
  if (!object) return {};
  auto found = objects.find(object->GetId());
  if (found == objects.end() || found->second.get() != object) return {};
  return found->second;
}

std::shared_ptr<GameObject> GameObjectFactory::Clone(GameObject* source) {
  if (!source) return nullptr;
  std::shared_ptr<GameObject> copy = CreateEmptyObject(source->GetTransform());
  copy->SetName(names.FirstFree(source->GetName(), "_"));
  std::cout << copy->GetName() << " cloned from : " << source->GetName() << "\n";
  copy->SetTag(source->GetTag());
  for (const auto& component : source->GetComponentList()) {
    if (component->GetTypeId() == ComponentId::Transform) continue;
    if (GameComponent* cloned = component->Clone(copy.get())) {
      copy->AddComponent(std::shared_ptr<GameComponent>(cloned));
    }
  }
  copy->InitializeComponents();
  return copy;
}

void GameObjectFactory::DestroyAllObjects() {
  objectsToDestroy.clear();
  if (objects.empty()) return;
  for (const auto& entry : objects) GetSceneManager().RemoveObjectScripts(entry.second.get());
  // Release outside the map: a component's destructor may still look objects up.
  std::map<uint32_t, std::shared_ptr<GameObject>> dropped;
  dropped.swap(objects);
  for (const auto& entry : dropped) entry.second->JoinNames(nullptr);
  names.Clear();
}

void GameObjectFactory::AddCreator(const std::string& name, std::shared_ptr<ComponentCreator> creator) {
  creators[name] = std::move(creator);
}

GameObjectFactory& GetFactory() {
  static GameObjectFactory instance;
  return instance;
}

}  // namespace Framework
