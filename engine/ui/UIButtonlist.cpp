#include "engine/ui/UIButtonlist.h"

#include <algorithm>
#include <iostream>

#include "engine/core/GameObject.h"
#include "engine/core/InputManager.h"
#include "engine/core/XMLSerializer.h"
#include "engine/graphics/Sprite.h"
#include "engine/ui/UIButton.h"
#include "engine/ui/UISystem.h"

namespace Framework {

UIButtonlist::UIButtonlist(GameObject* owner) : UI(owner, ComponentId::UIButtonlist) {}

UIButtonlist::~UIButtonlist() = default;

GameComponent* UIButtonlist::Clone(GameObject* newOwner) {
  auto* copy = new UIButtonlist(newOwner);
  copy->bindings = bindings;
  copy->pressRecords = pressRecords;
  copy->savelastSelected = savelastSelected;
  copy->defaultButton = defaultButton;
  for (const auto& button : buttons) copy->buttons.push_back(std::make_shared<UIButton>(newOwner, *button));
  copy->SortAndLink();
  copy->enabled = enabled;
  for (const auto& button : copy->buttons) button->sprite->SetEnabled(enabled);
  return copy;
}

void UIButtonlist::Deserialize(XMLSerializer& serializer) {
  if (enabled) GetUISystem().openMenus.push_back(OwnerTag());
  TiXmlElement* element = serializer.GetCursor();
  ReadElement(element, defaultButton, "defaultButton");
  ReadElement(element, savelastSelected, "savelastSelected");
  for (TiXmlElement* child = GetFirstChildElement(element); child; child = child->NextSiblingElement()) {
    const std::string name = child->ValueStr();
    if (name == "onPress") {
      ReadPressRecords(child);
    } else if (name == "Button") {
      auto button = std::make_shared<UIButton>(owner);
      button->Deserialize(child);
      buttons.push_back(button);
    }
  }
  SortAndLink();
  SetEnabled(enabled);
}

void UIButtonlist::ReadPressRecords(TiXmlElement* onPress) {
  for (TiXmlElement* child = GetFirstChildElement(onPress); child; child = child->NextSiblingElement()) {
    PressRecord record;
    record.action = child->ValueStr();
    ReadElement(child, record.useFunction, "useFunction");
    ReadElement(child, record.sysVariable, "sysVariable");
    pressRecords.push_back(record);
  }
}

void UIButtonlist::Serialize(XMLSerializer& serializer) {
  TiXmlElement* parent = serializer.GetCursor();
  if (parent == nullptr) return;
  AppendField(parent, "defaultButton", "string", defaultButton);
  AppendField(parent, "savelastSelected", "bool", savelastSelected);
  auto* onPress = new TiXmlElement("onPress");
  for (const PressRecord& record : pressRecords) {
    auto* entry = new TiXmlElement(record.action);
    AppendField(entry, "useFunction", "string", record.useFunction);
    AppendField(entry, "sysVariable", "string", record.sysVariable);
    onPress->LinkEndChild(entry);
  }
  parent->LinkEndChild(onPress);
  for (const auto& button : buttons) button->Serialize(parent);
}

void UIButtonlist::SortAndLink() {
  std::stable_sort(buttons.begin(), buttons.end(),
                   [](const auto& a, const auto& b) { return a->position.y > b->position.y; });
  const std::size_t count = buttons.size();
  for (std::size_t i = 0; i < count; ++i) {
    buttons[i]->next = buttons[(i + 1) % count];
    buttons[i]->prev = buttons[(i + count - 1) % count];
  }
}

void UIButtonlist::SetEnabled(bool on) {
  enabled = on;
  if (on && !buttons.empty()) {
    if (!selected) {
      auto named = std::find_if(buttons.begin(), buttons.end(),
                                [this](const auto& button) { return button->buttonName == defaultButton; });
      selected = named != buttons.end() ? *named : buttons.front();
    }
    GetUISystem().Select(selected);
  }
  for (const auto& button : buttons) {
    if (button->sprite) button->sprite->SetEnabled(on);
  }
}

void UIButtonlist::BindFunctions() {
  UISystem& ui = GetUISystem();
  for (const PressRecord& record : pressRecords) {
    if (!record.useFunction.empty()) bindings[record.action] = ui.CreateButtonAction(record.useFunction, record.sysVariable);
  }
  for (const auto& button : buttons) {
    if (!button->useFunction.empty()) button->action = ui.CreateButtonAction(button->useFunction, button->sysVariable);
  }
}

void UIButtonlist::Refresh(float) {
  for (const auto& button : buttons) button->Refresh();
}

void UIButtonlist::UpdateUI(float) {
  if (!enabled) return;
  RunTriggeredBindings();
  UISystem& ui = GetUISystem();
  const Math::Vec3 at = OwnerPosition();
  // A copy: a button's action may change this list's buttons.
  const std::vector<std::shared_ptr<UIButton>> current = buttons;
  for (const auto& button : current) {
    // An action may have closed this menu: a hidden button must not take
    // the focus from the menu that opened in its place.
    if (!enabled) return;
    if (savelastSelected && ui.IsSelected(button.get())) selected = button;
    button->Update(at);
  }
}

void UIButtonlist::RunTriggeredBindings() {
  InputManager& input = GetInputManager();
  // Copies: an action may rebind this list (scene start) while it runs.
  const auto current = bindings;
  for (const auto& binding : current) {
    if (!input.IsActionTriggered(0, binding.first)) continue;
    std::cout << "PRESSED" << std::endl;
    binding.second();
  }
}

}  // namespace Framework
