#pragma once
// Base classes of every component. A component belongs to one game object
// and joins the system that drives it in Initialize, leaving it in Shutdown.
#include <memory>
#include <string>

#include "engine/core/System.h"

namespace Framework {

class GameObject;
class Transform;
class XMLSerializer;

// One type id per registered component name. Objects keep their components
// sorted by these ids, so lower ids are initialised first.
namespace ComponentId {
enum : int {
  None = 0,
  Sprite = 1,
  Body = 2,
  Transform = 3,
  ParticleEmitter = 4,
  UIImage = 5,
  UIStattrak = 6,
  UIButtonlist = 7,
  UIText = 8,
  UIMouse = 9,
  Moveable = 10,
  AABB = 11,
  Sphere = 12,
  OBB = 13,
  User = 14,
  Poisonable = 15,
  NPC = 16,
  Killer = 17,
  Detective = 18,
  Explodable = 19,
  Lifetime = 20,
  Alarm = 21,
  DetectiveIntro = 22,
  ImageFader = 23,
  PlayerSelection = 24,
  NPCSuicide = 25,
};
}  // namespace ComponentId

class GameComponent {
 public:
  // owner may be null only for a component that is not yet attached.
  explicit GameComponent(GameObject* owner, int typeId = ComponentId::None);

  // The virtual operations, kept in this order.
  virtual void Initialize() {}
  virtual void Shutdown() {}
  virtual void SendMessage(Message*) {}
  virtual void Serialize(XMLSerializer&) {}
  virtual void Deserialize(XMLSerializer& serializer) = 0;
  virtual void Reset() {}
  virtual std::string GetTypeName() = 0;
  virtual ~GameComponent() = default;
  virtual bool IsToggleable() { return false; }
  // A component that cannot be toggled stays as it is and reports enabled.
  virtual bool Toggle() { return true; }
  virtual bool IsEnabled() { return true; }
  virtual void SetEnabled(bool) {}
  // A new heap component for newOwner, as a rule with this one's settings.
  // The caller takes ownership.
  virtual GameComponent* Clone(GameObject* newOwner) = 0;

  int GetTypeId() const { return typeId; }
  GameObject* GetOwner() const { return owner; }
  Transform* GetOwnerTransform() const { return ownerTransform; }

  // The owner's component with that id, or empty.
  std::shared_ptr<GameComponent> GetComponent(int componentTypeId) const;
  // The owner's first component that is a T, or null. Defined in GameObject.h.
  template <typename T>
  T* GetComponent() const;

 protected:
  // Clone may copy the whole component and then re-home the copy.
  GameComponent(const GameComponent&) = default;
  GameComponent& operator=(const GameComponent&) = default;
  void AttachTo(GameObject* newOwner);

  int typeId;
  GameObject* owner;
  Transform* ownerTransform;
};

// A component with an on/off flag that follows its object's enabled flag.
class ToggleableGameComponent : public GameComponent {
 public:
  explicit ToggleableGameComponent(GameObject* owner, int typeId = ComponentId::None)
      : GameComponent(owner, typeId) {}

  bool IsToggleable() override { return true; }
  bool Toggle() override {
    enabled = !enabled;
    return enabled;
  }
  // A disabled component says so, rather than answering true like the base.
  bool IsEnabled() override { return enabled; }
  void SetEnabled(bool value) override { enabled = value; }

  bool enabled = true;
};

}  // namespace Framework
