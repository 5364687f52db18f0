#include "engine/ui/UIImage.h"

#include "engine/core/GameObject.h"
#include "engine/core/XMLSerializer.h"
#include "engine/graphics/Sprite.h"

namespace Framework {

int ImageLayerFor(const std::string& ownerName) {
  if (ownerName == "UIKillerHUD" || ownerName == "UIDetectiveHUD" || ownerName == "UIMouse") return 11;
  return MenuLayerFor(ownerName);
}

UIImage::UIImage(GameObject* owner) : UI(owner, ComponentId::UIImage) {
  sprite = std::make_unique<Sprite>(owner, position, size, 0.0f, ImageLayerFor(OwnerName()));
  sprite->SetMesh("quad");
}

UIImage::~UIImage() = default;

GameComponent* UIImage::Clone(GameObject* newOwner) {
  auto* copy = new UIImage(newOwner);
  copy->size = size;
  copy->textureID = textureID;
  copy->animSet = animSet;
  copy->position = position;
  copy->enabled = enabled;
  if (sprite) copy->sprite->colour = sprite->colour;
  copy->Refresh(0.0f);
  copy->SetEnabled(enabled);
  return copy;
}

void UIImage::SetEnabled(bool on) {
  enabled = on;
  if (sprite) sprite->SetEnabled(on);
}

void UIImage::Refresh(float) {
  if (!sprite) return;
  sprite->position = position;
  sprite->size = size;
  if (sprite->textureID != textureID) sprite->SetTexture(textureID);
  sprite->PlayAnimation(animSet);
}

void UIImage::Serialize(XMLSerializer& serializer) {
  TiXmlElement* parent = serializer.GetCursor();
  if (parent == nullptr) return;
  AppendField(parent, "position", "Vec2", position);
  AppendField(parent, "size", "Vec2", size);
  AppendField(parent, "textureID", "string", textureID);
  AppendField(parent, "animSet", "string", animSet);
}

void UIImage::Deserialize(XMLSerializer& serializer) {
  TiXmlElement* element = serializer.GetCursor();
  ReadElement(element, position, "position");
  ReadElement(element, size, "size");
  ReadElement(element, textureID, "textureID");
  ReadElement(element, animSet, "animSet");
  Refresh(0.0f);
}

}  // namespace Framework
