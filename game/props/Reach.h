#pragma once
// How far a person is from a prop. Distances are measured in x and y only,
// from the person's reference point to the nearest point of the prop's box.
#include "engine/core/Vector.h"

namespace Framework {
class AABB;
class GameObject;
}
class Interactable;
class User;

namespace Reach {

// The object's position plus the centre of its box, when it has one.
Math::Vec3 ReferencePoint(const Framework::GameObject& object, const Framework::AABB* box);
// The distance from the user to the nearest point of the prop's box (to the
// prop's reference point when it has no box).
float DistanceToProp(const User& user, const Interactable& prop);
// The user's own reach: a guest's or the Killer's interaction range, 100 for anyone else.
float RangeOf(const User& user);
// Within reach at exactly the range, too.
bool WithinReach(const User& user, const Interactable& prop);

}  // namespace Reach
