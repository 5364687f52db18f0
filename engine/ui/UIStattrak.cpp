#include "engine/ui/UIStattrak.h"

#include <algorithm>
#include <cstdio>

#include "engine/core/GameObject.h"
#include "engine/core/XMLSerializer.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "engine/ui/SysVars.h"

namespace Framework {

namespace {
const char* const kShakeAnimation = "Shake";
constexpr float kShakeFrameDelay = 0.1f;
}  // namespace

UIStattrak::UIStattrak(GameObject* owner) : UI(owner, ComponentId::UIStattrak) {}

UIStattrak::~UIStattrak() = default;

GameComponent* UIStattrak::Clone(GameObject* newOwner) {
  auto* copy = new UIStattrak(newOwner);
  copy->trakVariable = trakVariable;
  copy->maxVariable = maxVariable;
  copy->trakType = trakType;
  copy->prefix = prefix;
  copy->postfix = postfix;
  copy->textScale = textScale;
  copy->textureSet = textureSet;
  copy->imageOffset = imageOffset;
  copy->imageSize = imageSize;
  copy->imagestatechangeType = imagestatechangeType;
  copy->imagestateActive = imagestateActive;
  copy->imagestateInactive = imagestateInactive;
  copy->position = position;
  copy->enabled = enabled;
  return copy;
}

void UIStattrak::SetEnabled(bool on) {
  enabled = on;
  // A hidden display hides its icons too.
  for (const auto& icon : icons) icon->SetEnabled(on);
}

int UIStattrak::LookupSysVar(const std::string& name) { return SysVars().GetInt(name); }

std::string UIStattrak::FormatValue(const std::string& name) {
  const SysVarEntry* entry = SysVars().Find(name);
  if (entry && entry->type == SysVarType::Int) return std::to_string(*static_cast<int*>(entry->address));
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(SysVars().GetFloat(name)));
  return buffer;
}

void UIStattrak::UpdateUI(float) {
  if (trakType == kImage) {
    ShowIcons();
  } else {
    ShowText();
  }
}

void UIStattrak::ShowText() {
  if (!enabled) return;
  text = prefix + FormatValue(trakVariable) + postfix;
  const Math::Vec3 origin = OwnerPosition();
  const float ownerScale = ownerTransform ? ownerTransform->scale.y : 1.0f;
  GraphicsSystem::QueueText(text, origin.x + position.x, origin.y + position.y, ownerScale * textScale,
                            kUITextColour);
}

void UIStattrak::ResizeIcons(int count) {
  count = std::clamp(count, 0, kMaxIcons);
  while (static_cast<int>(icons.size()) < count) {
    auto icon = std::make_unique<Sprite>(owner, position, imageSize, 0.0f, 9);
    icon->SetMesh("quad");
    icon->SetTexture(textureSet);
    icon->loop = true;
    icon->SetEnabled(enabled);
    icons.push_back(std::move(icon));
  }
  while (static_cast<int>(icons.size()) > count) icons.pop_back();
}

void UIStattrak::ShowIcons() {
  ResizeIcons(LookupSysVar(maxVariable));
  const int value = LookupSysVar(trakVariable);
  const bool panicking = SysVars().GetBool("isPanicking");
  Math::Vec2 at = position;
  for (int i = 0; i < static_cast<int>(icons.size()); ++i) {
    Sprite& icon = *icons[i];
    icon.shake = false;
    icon.position = at;
    at += imageOffset;
    if (i < value) {
      // A lit icon keeps its frame running; one lit straight from its
      // shake starts the lit look afresh, since the shake's frame may lie
      // beyond the lit look's frames.
      icon.PlayAnimation(imagestateActive);
    } else if (i == value && panicking) {
      icon.shake = true;
      icon.PlayAnimation(kShakeAnimation);
      icon.frameDelay = kShakeFrameDelay;
    } else {
      icon.PlayAnimation(imagestateInactive);
    }
  }
}

void UIStattrak::Serialize(XMLSerializer& serializer) {
  TiXmlElement* parent = serializer.GetCursor();
  if (parent == nullptr) return;
  AppendField(parent, "position", "Vec2", position);
  AppendField(parent, "trakVariable", "string", trakVariable);
  AppendField(parent, "maxVariable", "string", maxVariable);
  AppendField(parent, "trakType", "string", trakType);
  if (trakType == kText) {
    AppendField(parent, "textScale", "float", textScale);
    AppendField(parent, "prefix", "string", prefix);
    AppendField(parent, "postfix", "string", postfix);
  } else if (trakType == kImage) {
    AppendField(parent, "textureSet", "string", textureSet);
    AppendField(parent, "imageOffset", "Vec2", imageOffset);
    AppendField(parent, "imageSize", "Vec2", imageSize);
    AppendField(parent, "imagestatechangeType", "string", imagestatechangeType);
    AppendField(parent, "imagestateActive", "string", imagestateActive);
    AppendField(parent, "imagestateInactive", "string", imagestateInactive);
  }
}

void UIStattrak::Deserialize(XMLSerializer& serializer) {
  TiXmlElement* element = serializer.GetCursor();
  ReadElement(element, position, "position");
  ReadElement(element, trakVariable, "trakVariable");
  ReadElement(element, maxVariable, "maxVariable");
  ReadElement(element, trakType, "trakType");
  if (trakType == kText) {
    ReadElement(element, textScale, "textScale");
    ReadElement(element, prefix, "prefix");
    ReadElement(element, postfix, "postfix");
  } else if (trakType == kImage) {
    ReadElement(element, textureSet, "textureSet");
    ReadElement(element, imageOffset, "imageOffset");
    ReadElement(element, imageSize, "imageSize");
    ReadElement(element, imagestatechangeType, "imagestatechangeType");
    ReadElement(element, imagestateActive, "imagestateActive");
    ReadElement(element, imagestateInactive, "imagestateInactive");
  }
}

}  // namespace Framework
