#include "engine/ui/UIButton.h"

#include <algorithm>

#include "engine/audio/AudioManager.h"
#include "engine/core/GameObject.h"
#include "engine/core/InputManager.h"
#include "engine/core/XMLSerializer.h"
#include "engine/graphics/Sprite.h"
#include "engine/ui/UI.h"
#include "engine/ui/UIImage.h"
#include "engine/ui/UISystem.h"

namespace Framework {

namespace {

const char* const kHoverSound = "Button_Hover";
const char* const kPressSound = "Button_Selected";
const char* const kKnobMarker = "Knob";

// Half size of the box that stands for the mouse pointer.
constexpr float kPointerHalfSize = 1.0f;

bool OwnerNameContains(const UI* element, const char* part) {
  return element->OwnerName().find(part) != std::string::npos;
}

// animSet with its "Default" or "Muted" ending replaced by the look asked for.
std::string KnobLook(const std::string& animSet, bool muted) {
  std::size_t cut = animSet.find("Default");
  if (cut == std::string::npos) cut = animSet.find("Muted");
  return animSet.substr(0, cut) + (muted ? "Muted" : "Default");
}

}  // namespace

UIButton::UIButton(GameObject* owner) { CreateSprite(owner); }

UIButton::UIButton(GameObject* newOwner, const UIButton& other)
    : buttonType(other.buttonType),
      buttonName(other.buttonName),
      buttontextureSet(other.buttontextureSet),
      currentState(other.currentState),
      defaultState(other.defaultState),
      hoverState(other.hoverState),
      selectState(other.selectState),
      position(other.position),
      size(other.size),
      listPosition(other.listPosition),
      useFunction(other.useFunction),
      sysVariable(other.sysVariable),
      action(other.action),
      hitBox(other.hitBox) {
  CreateSprite(newOwner);
  ApplySpriteSettings();
}

UIButton::~UIButton() = default;

void UIButton::CreateSprite(GameObject* owner) {
  const int layer = MenuLayerFor(owner ? owner->GetName() : std::string());
  sprite = std::make_unique<Sprite>(owner, position, size, 0.0f, layer);
  sprite->SetMesh("quad");
  sprite->loop = true;
  sprite->currentAnimSet.clear();
}

void UIButton::ApplySpriteSettings() {
  if (!sprite) return;
  sprite->position = position;
  sprite->size = size;
  sprite->SetMesh("quad");
  sprite->SetTexture(buttontextureSet);
  sprite->loop = true;
  sprite->PlayAnimation(currentState);
}

void UIButton::UpdateHitBox() {
  hitBox.centre = Math::Vec3(position.x, position.y, 0.0f);
  hitBox.halfWidth = size.x * 0.5f;
  // A slider answers over its whole height, so the knob is easy to grab.
  hitBox.halfHeight = IsSlider() ? size.y : size.y * 0.5f;
}

void UIButton::Deserialize(TiXmlElement* element) {
  ReadElement(element, buttonType, "buttonType");
  ReadElement(element, buttonName, "buttonName");
  ReadElement(element, buttontextureSet, "buttontextureSet");
  ReadElement(element, position, "position");
  ReadElement(element, size, "size");
  ReadElement(element, defaultState, "defaultState");
  ReadElement(element, hoverState, "hoverState");
  ReadElement(element, selectState, "selectState");
  ReadElement(element, useFunction, "useFunction");
  ReadElement(element, sysVariable, "sysVariable");
  UpdateHitBox();
  currentState = defaultState;
  ApplySpriteSettings();
}

void UIButton::Serialize(TiXmlElement* parent) const {
  if (parent == nullptr) return;
  auto* element = new TiXmlElement("Button");
  AppendField(element, "buttonType", "string", buttonType);
  AppendField(element, "buttonName", "string", buttonName);
  AppendField(element, "buttontextureSet", "string", buttontextureSet);
  AppendField(element, "position", "Vec2", position);
  AppendField(element, "size", "Vec2", size);
  AppendField(element, "defaultState", "string", defaultState);
  AppendField(element, "hoverState", "string", hoverState);
  AppendField(element, "selectState", "string", selectState);
  AppendField(element, "useFunction", "string", useFunction);
  AppendField(element, "sysVariable", "string", sysVariable);
  parent->LinkEndChild(element);
}

bool* UIButton::SharedBool() const {
  const SysVarEntry* entry = SysVars().Find(sysVariable);
  return entry && entry->type == SysVarType::Bool ? static_cast<bool*>(entry->address) : nullptr;
}

float* UIButton::SharedFloat() const {
  const SysVarEntry* entry = SysVars().Find(sysVariable);
  return entry && entry->type == SysVarType::Float ? static_cast<float*>(entry->address) : nullptr;
}

std::string UIButton::SliderState(float value) const {
  return IsMuted(value) ? selectState + hoverState : selectState;
}

void UIButton::ScaleKnobs(float scale) const {
  for (UI* element : GetUISystem().FindElements(buttonName)) {
    if (OwnerNameContains(element, kKnobMarker) && element->GetOwnerTransform()) {
      element->GetOwnerTransform()->scale = Math::Vec3(scale, scale, 1.0f);
    }
  }
}

void UIButton::Update(const Math::Vec3& ownerPosition) {
  listPosition = Math::Vec2(ownerPosition.x, ownerPosition.y);
  if (IsSlider()) UpdateKnob();
  // Pressing may run an action that drops this button's list; stay alive
  // until the update is over.
  std::shared_ptr<UIButton> keepAlive = shared_from_this();
  if (GetInputManager().mouseInUse) MouseOver();
  if (sprite) sprite->size = size;
  if (GetUISystem().IsSelected(this)) {
    Highlight();
  } else {
    Unhighlight();
  }
  if (sprite) sprite->PlayAnimation(currentState);
}

void UIButton::MouseOver() {
  const BoxExtent pointer{Math::Vec3(0, 0, 0), kPointerHalfSize, kPointerHalfSize};
  const Math::Vec3 listAt(listPosition.x, listPosition.y, 0.0f);
  if (!BoxesOverlap(pointer, Math::Vec3(MouseWorldPosition()), hitBox, listAt)) return;
  GetUISystem().Select(shared_from_this());
  InputManager& input = GetInputManager();
  const bool click = IsSlider() ? input.IsKeyDown(kKeyRowLeftClick) : input.IsKeyTriggered(kKeyRowLeftClick);
  if (click) Press();
}

void UIButton::Highlight() {
  if (IsToggle()) {
    bool* flag = SharedBool();
    currentState = (flag && *flag ? selectState : defaultState) + "Hover";
  } else if (IsSlider()) {
    float* value = SharedFloat();
    if (value == nullptr) return;
    InputManager& input = GetInputManager();
    if (input.IsActionDown(0, "moveleft")) {
      *value = std::max(*value - kSliderStep, 0.0f);
      UpdateKnob();
    }
    if (input.IsActionDown(0, "moveright")) {
      *value = std::min(*value + kSliderStep, 1.0f);
      UpdateKnob();
    }
    currentState = SliderState(*value);
    ScaleKnobs(1.2f);
  } else if (currentState != hoverState) {
    GetAudioManager().PlaySound(kHoverSound);
    currentState = hoverState;
  }
}

void UIButton::Unhighlight() {
  currentState = defaultState;
  if (IsToggle()) {
    bool* flag = SharedBool();
    if (flag && *flag) currentState = selectState;
  } else if (IsSlider()) {
    float* value = SharedFloat();
    currentState = SliderState(value ? *value : 0.0f);
    ScaleKnobs(1.0f);
  }
}

void UIButton::Press() {
  if (!action) return;
  if (!IsSlider()) GetAudioManager().PlaySound(kPressSound);
  // Copy: the action may rebind this button's own action.
  std::function<void()> run = action;
  run();
  if (!IsSlider()) return;
  float* value = SharedFloat();
  if (value == nullptr || size.x == 0.0f) return;
  // The action stored the pointer's x in the world; turn it into the
  // fraction of the slider left of the pointer, kept within 0..1 so a
  // volume never leaves its range.
  const float centre = listPosition.x + position.x;
  *value = std::clamp((*value - centre + size.x * 0.5f) / size.x, 0.0f, 1.0f);
  UpdateKnob();
}

void UIButton::UpdateKnob() {
  float* shared = SharedFloat();
  const float value = shared ? *shared : 0.0f;
  const Math::Vec2 at(listPosition.x + position.x, listPosition.y + position.y);
  for (UI* element : GetUISystem().FindElements(buttonName)) {
    if (auto* image = dynamic_cast<UIImage*>(element)) {
      image->animSet = KnobLook(image->animSet, IsMuted(value));
      if (image->sprite) image->sprite->PlayAnimation(image->animSet);
    }
    if (OwnerNameContains(element, kKnobMarker) && element->GetOwnerTransform()) {
      element->GetOwnerTransform()->position = Math::Vec3(at.x + size.x * value - size.x * 0.5f, at.y, 0.0f);
    }
  }
}

void UIButton::Refresh() { ApplySpriteSettings(); }

}  // namespace Framework
