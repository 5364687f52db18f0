#pragma once
// Base of every on-screen UI element (button lists, texts, images, tracked
// values, the mouse cursor). An element joins the UI system's element list
// when it is constructed and leaves it when destroyed; the UI system calls
// UpdateUI on every element once per frame, disabled ones included.
#include <string>

#include "engine/core/GameComponent.h"
#include "engine/core/Vector.h"

namespace Framework {

class UI : public ToggleableGameComponent {
 public:
  UI(GameObject* owner, int typeId);
  ~UI() override;
  UI(const UI&) = delete;
  UI& operator=(const UI&) = delete;

  // Re-applies the element's settings to the sprites it owns.
  virtual void Refresh(float /*dt*/) {}
  virtual void UpdateUI(float dt) = 0;

  // The owner's name, or "" for an element without one.
  std::string OwnerName() const;
  std::string OwnerTag() const;
  // The owner's position, or the origin.
  Math::Vec3 OwnerPosition() const;
};

// Layer of a menu sprite: 10 (drawn over the post effects) when the owner's
// name starts with "UI" or contains "Menu" or "Panel", else 9.
int MenuLayerFor(const std::string& ownerName);

// The mouse in world units: window pixels from the centre, plus the camera.
Math::Vec2 MouseWorldPosition();

// The colour of every UI text.
inline const Math::Vec4 kUITextColour{0.87f, 0.63f, 0.18f, 1.0f};

}  // namespace Framework
