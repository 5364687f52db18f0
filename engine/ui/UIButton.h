#pragma once
// One button of a button list. Not a component: the list owns it. It draws
// its state through its own sprite (on the list's object), reacts to the
// mouse and, when pressed, runs the action its list bound to it.
#include <cfloat>
#include <functional>
#include <memory>
#include <string>

#include <tinyxml.h>

#include "engine/core/Vector.h"
#include "engine/physics/Collision.h"

namespace Framework {

class GameObject;
class Sprite;

class UIButton : public std::enable_shared_from_this<UIButton> {
 public:
  static constexpr const char* kDefault = "Default";
  static constexpr const char* kToggle = "Toggle";
  static constexpr const char* kSlider = "Slider";
  // Below this a slider counts as muted.
  static constexpr float kMutedThreshold = 0.01f;
  static constexpr float kSliderStep = 0.01f;

  explicit UIButton(GameObject* owner);
  // A copy of other for newOwner, with a sprite of its own and no ring links.
  UIButton(GameObject* newOwner, const UIButton& other);
  ~UIButton();
  UIButton(const UIButton&) = delete;
  UIButton& operator=(const UIButton&) = delete;

  // Reads the fields from a "Button" element (its subtree only).
  void Deserialize(TiXmlElement* element);
  // Appends a "Button" element under parent.
  void Serialize(TiXmlElement* parent) const;

  // Once per frame from the list: mouse hover and click, highlight, sprite.
  void Update(const Math::Vec3& ownerPosition);
  void Press();
  void Highlight();
  void Unhighlight();
  // Moves the slider's knob and switches its images between their
  // "Default" and "Muted" looks.
  void UpdateKnob();
  void Refresh();

  bool IsSlider() const { return buttonType == kSlider; }
  bool IsToggle() const { return buttonType == kToggle; }

  std::string buttonType = kDefault;
  std::string buttonName = "Button";
  std::string buttontextureSet;
  std::string currentState;
  std::string defaultState;
  std::string hoverState;
  std::string selectState;
  Math::Vec2 position{0, 0};
  Math::Vec2 size{100, 100};
  Math::Vec2 listPosition{0, 0};
  std::string useFunction;
  std::string sysVariable;
  std::function<void()> action;
  BoxExtent hitBox;
  std::unique_ptr<Sprite> sprite;
  // Ring neighbours, ordered from top to bottom.
  std::weak_ptr<UIButton> next;
  std::weak_ptr<UIButton> prev;

 private:
  void CreateSprite(GameObject* owner);
  void ApplySpriteSettings();
  void UpdateHitBox();
  // The shared variable this button shows or edits; null when the name is
  // not registered with that type.
  bool* SharedBool() const;
  float* SharedFloat() const;
  bool IsMuted(float value) const { return value - kMutedThreshold <= FLT_EPSILON; }
  std::string SliderState(float value) const;
  void ScaleKnobs(float scale) const;
  void MouseOver();
};

}  // namespace Framework
