#pragma once
#include "engine/core/GameComponent.h"
#include "engine/core/Vector.h"

namespace Framework {

class Body;

// Index of a shape's narrow-phase row and column.
enum ShapeKind : int { SHAPE_AABB = 0, SHAPE_SPHERE = 1, SHAPE_OBB = 2, SHAPE_KIND_COUNT = 3 };

// A collision outline attached to a game object. Every shape is listed with
// the debug system for its whole life. The point queries work in the shape's
// own frame: the point is compared with mCenter; the owner's position is not
// added.
class Shape : public ToggleableGameComponent {
 public:
  ~Shape() override;

  // Finds the owner's body (the first component that is a Body).
  void Initialize() override;

  virtual bool ContainsPoint(const Math::Vector3<float>& point) const = 0;
  virtual float DistanceSquared(const Math::Vector3<float>& point) const = 0;
  virtual Math::Vector3<float> ClosestPoint(const Math::Vector3<float>& point) const = 0;
  virtual void DebugDraw() = 0;

  Math::Vector3<float> GetCenter() const { return mCenter; }
  // The owner's transform position, or the origin for a detached shape.
  Math::Vector3<float> OwnerPosition() const;
  // The owner's first Body component, looked up now; null when there is none.
  Body* OwnerBody() const;

  int kind;
  Body* body = nullptr;
  Math::Vector3<float> mCenter;

 protected:
  Shape(GameObject* owner, int typeId, int shapeKind);
  // Copies the shape's own settings for a new owner; enabled starts true and
  // the body is found again at Initialize.
  Shape(const Shape& other, GameObject* newOwner);
};

}  // namespace Framework
