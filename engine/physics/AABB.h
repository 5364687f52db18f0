#pragma once
#include "engine/physics/Shape.h"

namespace Framework {

// An axis-aligned box: the only shape the physics sweep tests. It joins the
// sweep list for its whole life.
class AABB : public Shape {
 public:
  explicit AABB(GameObject* owner);
  AABB(const AABB& other, GameObject* newOwner);
  ~AABB() override;
  AABB& operator=(const AABB&) = delete;

  void Serialize(XMLSerializer& serializer) override;
  void Deserialize(XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "AABB"; }
  GameComponent* Clone(GameObject* newOwner) override;

  // Edges count as inside.
  bool ContainsPoint(const Math::Vector3<float>& point) const override;
  float DistanceSquared(const Math::Vector3<float>& point) const override;
  // The point clamped into the box (z kept); a point inside returns itself.
  Math::Vector3<float> ClosestPoint(const Math::Vector3<float>& point) const override;
  // Red while its body is in contact, green otherwise.
  void DebugDraw() override;

  // World bounds: owner position + centre -/+ the half sizes.
  Math::Vector3<float> GetMin() const;
  Math::Vector3<float> GetMax() const;
  Math::Vector3<float> GetHalfSize() const { return Math::Vector3<float>(mRadiusX, mRadiusY, 0.0f); }

  float mRadiusX = 0.0f;
  float mRadiusY = 0.0f;
};

}  // namespace Framework
