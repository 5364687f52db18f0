#include "engine/physics/AABB.h"

#include <algorithm>
#include <cmath>

#include "engine/graphics/Debug.h"
#include "engine/physics/Body.h"
#include "engine/physics/Physics.h"
#include "engine/physics/PhysicsArchetype.h"

namespace Framework {

namespace {
// Unlike std::clamp this stays defined for a negative half size.
float ClampToHalfSize(float value, float halfSize) { return std::max(-halfSize, std::min(value, halfSize)); }
}  // namespace

AABB::AABB(GameObject* owner) : Shape(owner, ComponentId::AABB, SHAPE_AABB) {
  GetPhysics().AddShape(this);
}

AABB::AABB(const AABB& other, GameObject* newOwner)
    : Shape(other, newOwner), mRadiusX(other.mRadiusX), mRadiusY(other.mRadiusY) {
  GetPhysics().AddShape(this);
}

AABB::~AABB() {
  if (PhysicsAvailable()) GetPhysics().RemoveShape(this);
}

GameComponent* AABB::Clone(GameObject* newOwner) { return new AABB(*this, newOwner); }

void AABB::Serialize(XMLSerializer& serializer) { PhysicsArchetype::WriteBox(serializer, *this); }

void AABB::Deserialize(XMLSerializer& serializer) { PhysicsArchetype::ReadBox(serializer, *this); }

bool AABB::ContainsPoint(const Math::Vector3<float>& point) const {
  const Math::Vector3<float> d = point - mCenter;
  return !(std::fabs(d.x) > mRadiusX || std::fabs(d.y) > mRadiusY);
}

float AABB::DistanceSquared(const Math::Vector3<float>& point) const {
  const Math::Vector3<float> d = point - mCenter;
  float sum = 0.0f;
  const float outX = std::fabs(d.x) - mRadiusX;
  const float outY = std::fabs(d.y) - mRadiusY;
  if (outX > 0.0f) sum += outX * outX;
  if (outY > 0.0f) sum += outY * outY;
  return sum;
}

Math::Vector3<float> AABB::ClosestPoint(const Math::Vector3<float>& point) const {
  const Math::Vector3<float> d = point - mCenter;
  return mCenter + Math::Vector3<float>(ClampToHalfSize(d.x, mRadiusX),
                                        ClampToHalfSize(d.y, mRadiusY), d.z);
}

void AABB::DebugDraw() {
  const Math::Vector3<float> centre = OwnerPosition() + mCenter;
  const Body* ownBody = OwnerBody();
  const Math::Vector4<float> colour = ownBody && ownBody->colliding
                                          ? Math::Vector4<float>(1.0f, 0.0f, 0.0f, 1.0f)
                                          : Math::Vector4<float>(0.0f, 1.0f, 0.0f, 1.0f);
  GetDebug().Canvas().Rectangle(Math::Vector2<float>(centre.x, centre.y), 2.0f * mRadiusX,
                                2.0f * mRadiusY, colour);
}

Math::Vector3<float> AABB::GetMin() const {
  return OwnerPosition() + mCenter - GetHalfSize();
}

Math::Vector3<float> AABB::GetMax() const {
  return OwnerPosition() + mCenter + GetHalfSize();
}

}  // namespace Framework
