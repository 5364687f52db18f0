#include "engine/physics/Sphere.h"

#include "engine/graphics/Debug.h"
#include "engine/physics/PhysicsArchetype.h"

namespace Framework {

Sphere::Sphere(GameObject* owner) : Shape(owner, ComponentId::Sphere, SHAPE_SPHERE) {}

Sphere::Sphere(const Sphere& other, GameObject* newOwner)
    : Shape(other, newOwner), mRadius(other.mRadius) {}

GameComponent* Sphere::Clone(GameObject* newOwner) { return new Sphere(*this, newOwner); }

void Sphere::Serialize(XMLSerializer& serializer) { PhysicsArchetype::WriteSphere(serializer, *this); }

void Sphere::Deserialize(XMLSerializer& serializer) { PhysicsArchetype::ReadSphere(serializer, *this); }

bool Sphere::ContainsPoint(const Math::Vector3<float>& point) const {
  const Math::Vector3<float> d = point - mCenter;
  return d.x * d.x + d.y * d.y + d.z * d.z <= mRadius * mRadius;
}

float Sphere::DistanceSquared(const Math::Vector3<float>& point) const {
  if (ContainsPoint(point)) return 0.0f;
  const Math::Vector3<float> d = point - ClosestPoint(point);
  return d.x * d.x + d.y * d.y + d.z * d.z;
}

Math::Vector3<float> Sphere::ClosestPoint(const Math::Vector3<float>& point) const {
  const Math::Vector3<float> d = point - mCenter;
  const float length = Math::Length(d);
  // From the centre every direction is as close; pick +x rather than divide by zero.
  if (!(length > 0.0f)) return mCenter + Math::Vector3<float>(mRadius, 0.0f, 0.0f);
  return mCenter + d / length * mRadius;
}

void Sphere::DebugDraw() {
  const Math::Vector3<float> centre = OwnerPosition() + mCenter;
  GetDebug().Canvas().Circle(Math::Vector2<float>(centre.x, centre.y), mRadius,
                             Math::Vector4<float>(1.0f, 1.0f, 1.0f, 1.0f));
}

}  // namespace Framework
