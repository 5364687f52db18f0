#pragma once
// A game object: its own transform plus components kept sorted by type id,
// so lookups find the smallest matching id and Initialize/Shutdown run in
// type-id order. The object factory owns every object.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/GameComponent.h"
#include "engine/core/ObjectNames.h"
#include "engine/core/Transform.h"
#include "engine/core/Vector.h"

namespace Framework {

class GameObject {
 public:
  GameObject(const Math::Vec3& position = Math::Vec3(0, 0, 0),
             const Math::Vec3& scale = Math::Vec3(1, 1, 1), float rotation = 0.0f);
  ~GameObject();
  // Components and the transform point back at this object's address.
  GameObject(const GameObject&) = delete;
  GameObject& operator=(const GameObject&) = delete;

  Transform& GetTransform() { return transform; }
  const Transform& GetTransform() const { return transform; }

  std::string GetTag() const { return tag; }
  std::string GetName() const { return name; }
  void SetTag(const std::string& value) { tag = value; }
  void SetName(const std::string& value);
  // The factory's name count follows this object's name while it holds it.
  void JoinNames(ObjectNames* names);
  void LeaveNames();
  uint32_t GetId() const { return id; }
  void SetId(uint32_t value) { id = value; }
  bool IsEnabled() const { return enabled; }

  // Inserts the component after every component whose type id is not
  // larger, so the list stays sorted and equal ids keep their order.
  void AddComponent(std::shared_ptr<GameComponent> component);
  // First component with that id; the embedded transform is never returned.
  std::shared_ptr<GameComponent> GetComponent(int typeId) const;
  // First component that is a T or derives from T; null when none.
  template <typename T>
  T* GetComponent() const {
    for (const auto& component : components) {
      if (auto* match = dynamic_cast<T*>(component.get())) return match;
    }
    return nullptr;
  }
  // The transform first, then every component in order.
  std::vector<GameComponent*> GetComponents() const;
  const std::vector<std::shared_ptr<GameComponent>>& GetComponentList() const { return components; }

  void InitializeComponents();
  void ShutdownComponents();
  // Hands the flag to every toggleable component, then keeps it.
  void SetEnabled(bool active);

 private:
  // Must stay the first member: the object and its transform share one address.
  Transform transform;
  Transform* transformPtr;
  std::string tag;
  std::string name;
  ObjectNames* names = nullptr;
  bool enabled = true;
  std::vector<std::shared_ptr<GameComponent>> components;
  uint32_t id = 0;
};

template <typename T>
T* GameComponent::GetComponent() const {
  return owner ? owner->GetComponent<T>() : nullptr;
}

}  // namespace Framework
