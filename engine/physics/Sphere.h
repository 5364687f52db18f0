#pragma once
#include "engine/physics/Shape.h"

namespace Framework {

// A circle in x/y, used for point queries and debug drawing.
class Sphere : public Shape {
 public:
  explicit Sphere(GameObject* owner);
  Sphere(const Sphere& other, GameObject* newOwner);
  Sphere& operator=(const Sphere&) = delete;

  void Serialize(XMLSerializer& serializer) override;
  void Deserialize(XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "Sphere"; }
  GameComponent* Clone(GameObject* newOwner) override;

  // Touching the circle counts as inside.
  bool ContainsPoint(const Math::Vector3<float>& point) const override;
  float DistanceSquared(const Math::Vector3<float>& point) const override;
  // Always on the circle, also for a point inside; the centre itself maps to
  // the point on +x.
  Math::Vector3<float> ClosestPoint(const Math::Vector3<float>& point) const override;
  void DebugDraw() override;

  float mRadius = 0.0f;
};

}  // namespace Framework
