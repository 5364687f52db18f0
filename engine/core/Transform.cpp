#include "engine/core/Transform.h"

#include "engine/core/XMLSerializer.h"

namespace Framework {

Transform::Transform(GameObject* transformOwner, const Math::Vec3& startPosition,
                     const Math::Vec3& startScale, float startRotation)
    : GameComponent(transformOwner, ComponentId::Transform),
      position(startPosition),
      scale(startScale),
      rotation(startRotation) {}

void Transform::Reset() {
  position = Math::Vec3(0, 0, 0);
  scale = Math::Vec3(1, 1, 1);
  rotation = 0.0f;
}

void Transform::Serialize(XMLSerializer& serializer) {
  TiXmlElement* parent = serializer.GetCursor();
  if (!parent) return;
  AppendField(parent, "position", "Vec3", position);
  AppendField(parent, "scale", "Vec3", scale);
  AppendField(parent, "rotation", "float", rotation);
}

void Transform::Deserialize(XMLSerializer& serializer) {
  serializer.BeginComponent(GetTypeName());
  XMLReadVector3(serializer, position, "position");
  XMLReadVector3(serializer, scale, "scale");
  XMLReadFloat(serializer, rotation, "rotation");
  serializer.EndComponent();
}

GameComponent* Transform::Clone(GameObject* newOwner) {
  return new Transform(newOwner, position, scale, rotation);
}

}  // namespace Framework
