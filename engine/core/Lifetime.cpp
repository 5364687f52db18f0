#include "engine/core/Lifetime.h"

#include "engine/core/XMLSerializer.h"

namespace Framework {

void Lifetime::Serialize(XMLSerializer& serializer) {
  TiXmlElement* parent = serializer.GetCursor();
  if (!parent) return;
  AppendField(parent, "lifetime", "float", lifetime);
  AppendField(parent, "loop", "bool", loop);
  AppendField(parent, "deleteOnExpire", "bool", deleteOnExpire);
  AppendField(parent, "hideOnExpire", "bool", hideOnExpire);
}

void Lifetime::Deserialize(XMLSerializer& serializer) {
  // Absent fields keep their values, silently.
  TiXmlElement* element = serializer.GetCursor();
  ReadElement(element, lifetime, "lifetime");
  ReadElement(element, loop, "loop");
  ReadElement(element, deleteOnExpire, "deleteOnExpire");
  ReadElement(element, hideOnExpire, "hideOnExpire");
}

GameComponent* Lifetime::Clone(GameObject* newOwner) {
  auto* copy = new Lifetime(*this);
  copy->AttachTo(newOwner);
  copy->enabled = true;
  copy->remaining = 0.0f;
  return copy;
}

}  // namespace Framework
