#include "game/props/Reach.h"

#include "engine/core/GameObject.h"
#include "engine/physics/AABB.h"
#include "game/characters/Character.h"
#include "game/props/Interactable.h"
#include "game/props/User.h"

namespace Reach {

namespace {

float PlanarLength(const Math::Vec3& v) { return Math::Length(Math::Vec2(v.x, v.y)); }

}  // namespace

Math::Vec3 ReferencePoint(const Framework::GameObject& object, const Framework::AABB* box) {
  Math::Vec3 point = object.GetTransform().position;
  if (box) point += box->GetCenter();
  return point;
}

float DistanceToProp(const User& user, const Interactable& prop) {
  const Framework::GameObject* userObject = user.GetOwner();
  const Framework::GameObject* propObject = prop.GetOwner();
  if (!userObject || !propObject) return -1.0f;
  const Math::Vec3 u = ReferencePoint(*userObject, user.box);
  const Math::Vec3 p = ReferencePoint(*propObject, prop.box);
  Math::Vec3 v = u - p;
  v.z = 0.0f;
  if (prop.box) return PlanarLength(prop.box->ClosestPoint(v) - v);
  return PlanarLength(u - p);
}

float RangeOf(const User& user) {
  // The Detective reaches as far as anyone without a range of their own.
  if (user.person && user.person->kind != Character::kDetective) return user.person->interactionRange;
  return Character::kDefaultInteractionRange;
}

bool WithinReach(const User& user, const Interactable& prop) {
  const float distance = DistanceToProp(user, prop);
  return distance >= 0.0f && distance <= RangeOf(user);
}

}  // namespace Reach
