#pragma once
#include <set>
#include <string>

#include "engine/core/GameComponent.h"

class Character;
namespace Framework {
class AABB;
}

// What a person may use: a prop lists the names it requires, and a person
// can use it only when it holds all of them. Archetype form: one "string"
// entry per name, "p0", "p1", ...
class User : public Framework::GameComponent {
 public:
  explicit User(Framework::GameObject* owner) : GameComponent(owner, Framework::ComponentId::User) {}

  void Serialize(Framework::XMLSerializer& serializer) override;
  // Takes the value of every entry of the component's element, whatever its name.
  void Deserialize(Framework::XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "User"; }
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override;
  // Finds the person's box and character once: the reach check asks for
  // them on every use of a prop, by every guest, every frame.
  void Initialize() override;

  bool Holds(const std::string& name) const { return names.count(name) > 0; }

  std::set<std::string> names;
  const Framework::AABB* box = nullptr;
  const Character* person = nullptr;
};
