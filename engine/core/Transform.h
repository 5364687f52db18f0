#pragma once
// Position, scale and rotation (degrees about z) of a game object. Every
// object embeds one; it is never in the object's component list.
#include "engine/core/GameComponent.h"
#include "engine/core/Vector.h"

namespace Framework {

class Transform : public GameComponent {
 public:
  explicit Transform(GameObject* owner, const Math::Vec3& position = Math::Vec3(0, 0, 0),
                     const Math::Vec3& scale = Math::Vec3(1, 1, 1), float rotation = 0.0f);

  void Serialize(XMLSerializer& serializer) override;
  void Deserialize(XMLSerializer& serializer) override;
  void Reset() override;
  std::string GetTypeName() override { return "Transform"; }
  GameComponent* Clone(GameObject* newOwner) override;

  Math::Vec3 position;
  Math::Vec3 scale;
  float rotation;
};

}  // namespace Framework
