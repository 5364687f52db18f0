#pragma once
#include "engine/physics/Shape.h"

namespace Framework {

// An oriented box: two axes (unit length expected) and the half sizes along
// them. Used for point queries only; it draws nothing.
class OBB : public Shape {
 public:
  explicit OBB(GameObject* owner);
  OBB(const OBB& other, GameObject* newOwner);
  OBB& operator=(const OBB&) = delete;

  void Serialize(XMLSerializer& serializer) override;
  void Deserialize(XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "OBB"; }
  GameComponent* Clone(GameObject* newOwner) override;

  bool ContainsPoint(const Math::Vector3<float>& point) const override;
  float DistanceSquared(const Math::Vector3<float>& point) const override;
  Math::Vector3<float> ClosestPoint(const Math::Vector3<float>& point) const override;
  void DebugDraw() override {}

  Math::Vector3<float> GetAxisX() const { return mAxisX; }
  Math::Vector3<float> GetAxisY() const { return mAxisY; }
  // The four corners in the shape's own frame.
  void GetCorners(Math::Vector3<float> (&corners)[4]) const;

  Math::Vector3<float> mAxisX;
  Math::Vector3<float> mAxisY;
  Math::Vector3<float> mHalfExtent;  // x along mAxisX, y along mAxisY
};

}  // namespace Framework
