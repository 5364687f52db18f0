#pragma once
// How long an object is meant to live and what happens when it expires.
// The component carries these settings only; remaining is armed by Initialize.
#include "engine/core/GameComponent.h"

namespace Framework {

class Lifetime : public ToggleableGameComponent {
 public:
  explicit Lifetime(GameObject* owner) : ToggleableGameComponent(owner, ComponentId::Lifetime) {}

  void Initialize() override { remaining = lifetime; }
  void Serialize(XMLSerializer& serializer) override;
  void Deserialize(XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "Lifetime"; }
  GameComponent* Clone(GameObject* newOwner) override;

  float lifetime = 1.0f;
  bool loop = true;
  bool hideOnExpire = true;
  bool deleteOnExpire = false;
  float remaining = 0.0f;
};

}  // namespace Framework
