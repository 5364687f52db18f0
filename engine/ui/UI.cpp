#include "engine/ui/UI.h"

#include "engine/core/GameObject.h"
#include "engine/core/InputManager.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/ui/UISystem.h"

namespace Framework {

UI::UI(GameObject* owner, int typeId) : ToggleableGameComponent(owner, typeId) {
  GetUISystem().AddElement(this);
}

UI::~UI() { GetUISystem().RemoveElement(this); }

std::string UI::OwnerName() const { return owner ? owner->GetName() : std::string(); }

std::string UI::OwnerTag() const { return owner ? owner->GetTag() : std::string(); }

Math::Vec3 UI::OwnerPosition() const { return ownerTransform ? ownerTransform->position : Math::Vec3(0, 0, 0); }

int MenuLayerFor(const std::string& ownerName) {
  const bool menu = ownerName.rfind("UI", 0) == 0 || ownerName.find("Menu") != std::string::npos ||
                    ownerName.find("Panel") != std::string::npos;
  return menu ? 10 : 9;
}

Math::Vec2 MouseWorldPosition() {
  const InputManager& input = GetInputManager();
  const GraphicsSystem& graphics = GetGraphicsSystem();
  // The eye's height is the view's zoom (screen pixels per world unit).
  const float zoom = graphics.camera.position.z > 0.0f ? graphics.camera.position.z : 1.0f;
  return Math::Vec2((input.mouseX - graphics.windowWidth / 2.0f) / zoom + graphics.camera.position.x,
                    (input.mouseY - graphics.windowHeight / 2.0f) / zoom + graphics.camera.position.y);
}

}  // namespace Framework
