#include "game/characters/Character.h"

#include <cmath>

#include "engine/core/GameObject.h"
#include "engine/graphics/Sprite.h"
#include "engine/physics/Body.h"
#include "engine/physics/Moveable.h"

namespace {

constexpr float kStill = 0.00001f;
const char* const kDeath = "Death";

}  // namespace

Character::Character(Framework::GameObject* owner, int characterKind, int typeId)
    : Scriptable(owner, typeId), kind(characterKind) {}

Character::Character(Framework::GameObject* newOwner, const Character& other)
    : Scriptable(newOwner, other.GetTypeId()), alive(other.alive), hungry(other.hungry), kind(other.kind) {}

void Character::Start() {
  sprite = GetComponent<Framework::Sprite>();
  body = GetComponent<Framework::Body>();
  moveable = GetComponent<Moveable>();
  OnStart();
}

void Character::PlayAnimation(const Math::Vector3<float>& direction, const std::string& animation, bool loop,
                              bool) {
  std::string name = animation;
  Math::Vector3<float> d = direction;
  if (std::fabs(d.x) < kStill && std::fabs(d.y) < kStill) d = lastDirection;
  // Equal parts count as vertical: a diagonal shows the back or the front.
  const bool horizontal = std::fabs(d.x) > std::fabs(d.y) && std::fabs(d.x) - std::fabs(d.y) > kStill;
  if (sprite) sprite->loop = loop;
  if (horizontal) {
    if (name != kDeath) name += "Left";
    if (sprite) {
      sprite->PlayAnimation(name);
      // The art faces left; facing right is the mirror image.
      if ((d.x < 0.0f && sprite->size.x < 0.0f) || (d.x > 0.0f && sprite->size.x > 0.0f)) sprite->size.x *= -1.0f;
    }
  } else if (d.y != 0.0f) {
    if (name != kDeath) name += d.y > 0.0f ? "Up" : "Down";
    if (sprite) sprite->PlayAnimation(name);
  }
  lastDirection = d;
}
