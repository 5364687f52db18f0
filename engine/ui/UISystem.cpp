#include "engine/ui/UISystem.h"

#include "engine/core/Engine.h"
#include "engine/core/GameObject.h"
#include "engine/core/SceneManager.h"
#include "engine/core/StaticInstance.h"
#include "engine/core/Vector.h"
#include "engine/graphics/Sprite.h"
#include "engine/ui/UI.h"
#include "engine/ui/UIButton.h"
#include "engine/ui/UIButtonlist.h"

namespace Framework {

namespace {

const char* const kLevelSelectScene = "levelselect";
const char* const kPausePanel = "PausePanel";

void ResetSpin(Utility::LerpStartEnd<float>& spin) {
  spin.elapsed = 0.0f;
  spin.done = false;
}

// Counts the focus time of one level button; once it has been held long
// enough the button's sprite turns a little every frame.
void AdvanceSpin(Utility::LerpStartEnd<float>& spin, UIButton& button, const char* buttonName, float dt) {
  if (button.buttonName != buttonName) {
    ResetSpin(spin);
    return;
  }
  if (!spin.done) {
    spin.elapsed += dt;
    if (spin.elapsed >= UISystem::kSpinDelay) spin.done = true;
  }
  if (spin.done && button.sprite) button.sprite->angle += UISystem::kSpinStep;
}

}  // namespace

UISystem::UISystem() = default;

UISystem::~UISystem() = default;

void UISystem::Initialize() {
  for (Utility::LerpStartEnd<float>* spin : {&mallSpin, &carnivalSpin}) {
    spin->Set(0.0f, kSpinDelay, kSpinDelay);
    ResetSpin(*spin);
  }
}

void UISystem::Update(float dt) {
  BeginTiming();
  UpdateLevelSelectSpin(dt);
  // By index: an element's action may create or destroy elements.
  for (std::size_t i = 0; i < elements.size(); ++i) elements[i]->UpdateUI(dt);
  EndTiming();
}

void UISystem::UpdateLevelSelectSpin(float dt) {
  std::shared_ptr<UIButton> focus = Selected();
  if (!focus || GetSceneManager().GetCurrentSceneName() != kLevelSelectScene) return;
  AdvanceSpin(mallSpin, *focus, "MallButton", dt);
  AdvanceSpin(carnivalSpin, *focus, "CarnivalButton", dt);
}

// Elements may outlive the system at program exit (static destruction
// order); they must not reach into it then.
void UISystem::AddElement(UI* element) {
  if (StaticInstance<UISystem>::Alive()) elements.push_back(element);
}

void UISystem::RemoveElement(UI* element) {
  if (!StaticInstance<UISystem>::Alive()) return;
  Math::RemoveFromVector(elements, element);
}

void UISystem::ToggleMenu(const std::string& tag) {
  for (std::size_t i = 0; i < elements.size(); ++i) {
    UI* element = elements[i];
    if (element->OwnerTag() == tag) element->SetEnabled(!element->enabled);
  }
}

void UISystem::SetMenuEnabled(const std::string& tag, bool on) {
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (elements[i]->OwnerTag() == tag) elements[i]->SetEnabled(on);
  }
}

void UISystem::MenuToggle(const std::string& tag) {
  ToggleMenu(tag);
  if (!Math::RemoveFromVector(openMenus, tag)) openMenus.push_back(tag);
}

void UISystem::MenuOverwrite(const std::string& tag) {
  if (!openMenus.empty()) {
    const std::string top = openMenus.back();  // MenuToggle changes the stack
    MenuToggle(top);
  }
  MenuToggle(tag);
}

void UISystem::TogglePause() {
  MenuToggle(kPausePanel);
  GetEngine().paused = !GetEngine().paused;
}

std::vector<UI*> UISystem::FindElements(const std::string& part) const {
  std::vector<UI*> found;
  for (UI* element : elements) {
    if (element->OwnerName().find(part) != std::string::npos) found.push_back(element);
  }
  return found;
}

void UISystem::SetUpButtonLists() {
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (auto* list = dynamic_cast<UIButtonlist*>(elements[i])) list->BindFunctions();
  }
}

void UISystem::ClearSceneState() {
  openMenus.clear();
  selected.reset();
}

bool UISystem::IsSelected(const UIButton* button) const {
  std::shared_ptr<UIButton> focus = Selected();
  return button != nullptr && focus.get() == button;
}

UISystem& GetUISystem() { return StaticInstance<UISystem>::Get(); }

}  // namespace Framework
