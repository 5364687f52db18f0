#include "engine/physics/OBB.h"

#include <algorithm>
#include <cmath>

#include "engine/physics/VectorOps.h"
#include "engine/physics/PhysicsArchetype.h"

namespace Framework {

OBB::OBB(GameObject* owner) : Shape(owner, ComponentId::OBB, SHAPE_OBB) {}

OBB::OBB(const OBB& other, GameObject* newOwner)
    : Shape(other, newOwner), mAxisX(other.mAxisX), mAxisY(other.mAxisY), mHalfExtent(other.mHalfExtent) {}

GameComponent* OBB::Clone(GameObject* newOwner) { return new OBB(*this, newOwner); }

void OBB::Serialize(XMLSerializer& serializer) { PhysicsArchetype::WriteOrientedBox(serializer, *this); }

void OBB::Deserialize(XMLSerializer& serializer) { PhysicsArchetype::ReadOrientedBox(serializer, *this); }

bool OBB::ContainsPoint(const Math::Vector3<float>& point) const {
  const Math::Vector3<float> d = point - mCenter;
  return !(std::fabs(Math::Dot(d, mAxisX)) > mHalfExtent.x || std::fabs(Math::Dot(d, mAxisY)) > mHalfExtent.y);
}

float OBB::DistanceSquared(const Math::Vector3<float>& point) const {
  const Math::Vector3<float> d = point - mCenter;
  const float outX = std::fabs(Math::Dot(d, mAxisX)) - mHalfExtent.x;
  const float outY = std::fabs(Math::Dot(d, mAxisY)) - mHalfExtent.y;
  float sum = 0.0f;
  if (outX > 0.0f) sum += outX * outX;
  if (outY > 0.0f) sum += outY * outY;
  return sum;
}

Math::Vector3<float> OBB::ClosestPoint(const Math::Vector3<float>& point) const {
  const Math::Vector3<float> d = point - mCenter;
  const float alongX = std::max(-mHalfExtent.x, std::min(Math::Dot(d, mAxisX), mHalfExtent.x));
  const float alongY = std::max(-mHalfExtent.y, std::min(Math::Dot(d, mAxisY), mHalfExtent.y));
  return mCenter + mAxisX * alongX + mAxisY * alongY;
}

void OBB::GetCorners(Math::Vector3<float> (&corners)[4]) const {
  const Math::Vector3<float> x = mAxisX * mHalfExtent.x;
  const Math::Vector3<float> y = mAxisY * mHalfExtent.y;
  corners[0] = mCenter + x + y;
  corners[1] = mCenter + x - y;
  corners[2] = mCenter - x + y;
  corners[3] = mCenter - x - y;
}

}  // namespace Framework
