#pragma once
#include <string>

#include "engine/core/Scriptable.h"
#include "engine/core/Vector.h"

namespace Framework {
class Body;
class Sprite;
}  // namespace Framework
class Moveable;

// The script shared by the three kinds of person on the floor: guests, the
// Killer and the Detective. It finds its object's sprite, body and moveable
// when it starts and picks the directional variant of an animation.
class Character : public Scriptable {
 public:
  enum Kind { kGuest = 0, kKiller = 1, kDetective = 2 };
  static constexpr float kDefaultInteractionRange = 100.0f;

  Character(Framework::GameObject* owner, int kind, int typeId);
  // For cloning: keeps the type id, alive, hungry and kind; the component
  // pointers are found again at Start.
  Character(Framework::GameObject* newOwner, const Character& other);

  // Finds the sprite, body and moveable, then OnStart.
  void Start() override;
  void Stop() override { OnStop(); }
  virtual void OnStart() {}
  virtual void OnStop() {}

  // Starts animation facing direction: horizontal directions play the
  // "Left" variant, mirrored through the sign of the sprite's width when
  // facing right; vertical ones play "Up" or "Down". A zero direction keeps
  // the last facing; "Death" has no direction. The last flag is unused.
  void PlayAnimation(const Math::Vector3<float>& direction, const std::string& animation, bool loop, bool = true);

  Framework::Sprite* sprite = nullptr;
  Framework::Body* body = nullptr;
  Moveable* moveable = nullptr;
  Math::Vector3<float> lastDirection;
  std::string directionNames[4] = {"Up", "Down", "Left", "Right"};
  std::string idleAnimation = "Idle";
  std::string runAnimation = "Run";
  std::string walkAnimation = "Walk";
  bool moving = false;
  float interactionRange = kDefaultInteractionRange;
  bool alive = true;
  bool hungry = false;
  bool male = false;
  int kind;
};
