#pragma once
// Makes its object follow the mouse, and shows the object's image and
// particle trail only while the mouse is the device in use.
#include <cstdint>
#include <string>

#include "engine/ui/UI.h"

namespace Framework {

class UIMouse : public UI {
 public:
  explicit UIMouse(GameObject* owner) : UI(owner, ComponentId::UIMouse) {}

  void Serialize(XMLSerializer& serializer) override;
  void Deserialize(XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "UIMouse"; }
  GameComponent* Clone(GameObject* newOwner) override { return new UIMouse(newOwner); }
  void UpdateUI(float dt) override;

  uint32_t i = 0;  // read and written back; nothing uses it
};

}  // namespace Framework
