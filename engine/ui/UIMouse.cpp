#include "engine/ui/UIMouse.h"

#include "engine/core/GameObject.h"
#include "engine/core/InputManager.h"
#include "engine/core/XMLSerializer.h"
#include "engine/ui/UIImage.h"

namespace Framework {

void UIMouse::Serialize(XMLSerializer& serializer) {
  if (TiXmlElement* parent = serializer.GetCursor()) AppendField(parent, "i", "int", static_cast<int>(i));
}

void UIMouse::Deserialize(XMLSerializer& serializer) {
  unsigned value = i;
  ReadElement(serializer.GetCursor(), value, "i");
  i = value;
}

void UIMouse::UpdateUI(float) {
  if (owner == nullptr) return;
  const bool mouseInUse = GetInputManager().mouseInUse;
  if (mouseInUse) owner->GetTransform().position = Math::Vec3(MouseWorldPosition());
  if (UIImage* image = owner->GetComponent<UIImage>()) image->SetEnabled(mouseInUse);
  if (auto emitter = owner->GetComponent(ComponentId::ParticleEmitter)) emitter->SetEnabled(mouseInUse);
}

}  // namespace Framework
