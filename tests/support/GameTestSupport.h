#pragma once
// Building blocks for the game's tests: a small prop with the common timed
// use, and a holder that builds objects by hand and shuts them down.
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/GameObject.h"
#include "game/props/Interactable.h"

namespace TestSupport {

// A prop with the common timed use of 3 to 5 seconds (kind "eat"). Its
// sabotage makes every finished use "poisoned". Archetype name "TestProp".
class TestProp : public Interactable {
 public:
  static constexpr int kTypeId = 99;
  explicit TestProp(Framework::GameObject* owner) : Interactable(owner, "TestProp", kTypeId) {}

  void Deserialize(Framework::XMLSerializer&) override {}
  std::string GetTypeName() override { return "TestProp"; }
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override { return new TestProp(newOwner); }
  void OnStart() override {
    useTimeMin = 3.0f;
    useTimeMax = 5.0f;
  }
  void UpdateInteractable() override { ShowLook(available ? "Normal" : "Interact"); }
  void Sabotage() override { sabotaged = true; }
  UseResult Interact(User* user) override;

  bool sabotaged = false;
  std::string kind = "eat";
};

// Owns hand-built objects; shuts their components down at the end.
class GameObjects {
 public:
  GameObjects() = default;
  GameObjects(const GameObjects&) = delete;
  GameObjects& operator=(const GameObjects&) = delete;
  ~GameObjects();

  Framework::GameObject& Add(const Math::Vec3& position, const std::string& tag = "untagged");
  template <class T, class... Args>
  T& Attach(Framework::GameObject& object, Args&&... args) {
    auto component = std::make_shared<T>(&object, std::forward<Args>(args)...);
    object.AddComponent(component);
    return *component;
  }
  // A 100 by 100 sprite, a body with a mass, a moveable and a box of the given half size.
  void AttachBodyParts(Framework::GameObject& object, float halfSize, float speed = 60.0f);
  User& AttachUser(Framework::GameObject& object, const std::set<std::string>& names = {"interact"});
  void Destroy(Framework::GameObject& object);

 private:
  std::vector<std::shared_ptr<Framework::GameObject>> objects;
};

}  // namespace TestSupport
