#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "engine/core/GameObject.h"
#include "engine/core/ObjectNames.h"
#include "engine/core/System.h"
#include "engine/core/Transform.h"
#include "engine/core/Vector.h"
#include "engine/core/XMLSerializer.h"

namespace Framework {

// Makes a new component of one registered type for an owner.
class ComponentCreator {
 public:
  virtual GameComponent* Create(GameObject* owner) = 0;
  virtual ~ComponentCreator() = default;
};

template <class T>
class ComponentCreatorType : public ComponentCreator {
 public:
  GameComponent* Create(GameObject* owner) override { return new T(owner); }
};

// A creator for components whose defaults need more than the owner.
class ComponentCreatorFunction : public ComponentCreator {
 public:
  explicit ComponentCreatorFunction(std::function<GameComponent*(GameObject*)> make) : make(std::move(make)) {}
  GameComponent* Create(GameObject* owner) override { return make ? make(owner) : nullptr; }

 private:
  std::function<GameComponent*(GameObject*)> make;
};

// Makes, names, numbers, clones and destroys every game object, building
// objects from archetype XML files through the component registry.
class GameObjectFactory : public System {
 public:
  std::string GetName() override { return "Factory"; }
  // Destroys the objects queued for destruction during the last frame.
  void Update(float dt) override;
  void SendMessage(Message*) override {}
  // Fills the component registry through the function installed by the
  // application layer (the core knows no component of the systems above it).
  void Initialize() override;
  void SetComponentRegistry(std::function<void(GameObjectFactory&)> fill) { componentRegistry = std::move(fill); }
  // Drops every object and the registry at the end of the program.
  void Shutdown() override;

  // Builds the archetype from the current scene folder and initialises it.
  std::shared_ptr<GameObject> Create(const std::string& archetype);
  // Builds an object from an archetype file; empty when the file is missing
  // or malformed. Its components are not initialised.
  std::shared_ptr<GameObject> CreateFromFile(const std::string& path);
  std::shared_ptr<GameObject> CreateEmptyObject(const Math::Vec3& position, const Math::Vec3& scale,
                                                float rotation);
  std::shared_ptr<GameObject> CreateEmptyObject(const Transform& transform);
  void AddObject(std::shared_ptr<GameObject> object);
  GameObject* FindObjectByName(const std::string& name) const;
  // A weak handle to an object the factory owns (empty for any other), for
  // holders that must notice when the object is destroyed.
  std::weak_ptr<GameObject> GetHandle(const GameObject* object) const;
  // A copy of source (components cloned, a free "<name>_<N>" name), initialised.
  std::shared_ptr<GameObject> Clone(GameObject* source);
  // Queues an object to be shut down and dropped in the next Update.
  void QueueDestroy(GameObject* object) { objectsToDestroy.insert(object); }
  // Drops every object at a scene change (their components were already
  // shut down) and forgets the destroy queue.
  void DestroyAllObjects();

  void AddCreator(const std::string& name, std::shared_ptr<ComponentCreator> creator);
  template <class T>
  void RegisterCreator(const std::string& name) {
    AddCreator(name, std::make_shared<ComponentCreatorType<T>>());
  }
  bool HasCreator(const std::string& name) const { return creators.count(name) > 0; }
  std::size_t ObjectCount() const { return objects.size(); }

 private:
  struct ArchetypeHeader {
    bool enabled = true;
    bool hasName = false;
    std::string name;
    bool hasTag = false;
    std::string tag;
  };
  // The object's enabled flag, name and tag; the cursor stays on the last found.
  ArchetypeHeader ReadObjectHeader(XMLSerializer& reader) const;
  // Component elements among first and its following siblings; the count
  // stops just past the most an archetype may hold.
  int CountComponents(TiXmlElement* first) const;
  void AddComponentFromElement(GameObject& object, const std::string& elementName, XMLSerializer& reader);

  uint32_t nextId = 0;
  std::map<std::string, std::shared_ptr<ComponentCreator>> creators;
  std::map<uint32_t, std::shared_ptr<GameObject>> objects;
  ObjectNames names;  // of the objects above
  // Matched by address only: a queued object may already be gone.
  std::set<GameObject*> objectsToDestroy;
  std::function<void(GameObjectFactory&)> componentRegistry;
};

GameObjectFactory& GetFactory();

}  // namespace Framework
