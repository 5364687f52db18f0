#include "engine/physics/Shape.h"

#include "engine/core/GameObject.h"
#include "engine/graphics/Debug.h"
#include "engine/physics/Body.h"

namespace Framework {

Shape::Shape(GameObject* owner, int typeId, int shapeKind)
    : ToggleableGameComponent(owner, typeId), kind(shapeKind) {
  GetDebug().AddShape(this);
}

Shape::Shape(const Shape& other, GameObject* newOwner)
    : ToggleableGameComponent(newOwner, other.typeId), kind(other.kind), mCenter(other.mCenter) {
  GetDebug().AddShape(this);
}

Shape::~Shape() {
  if (DebugAvailable()) GetDebug().RemoveShape(this);
}

void Shape::Initialize() { body = OwnerBody(); }

Math::Vector3<float> Shape::OwnerPosition() const {
  return ownerTransform ? ownerTransform->position : Math::Vector3<float>();
}

Body* Shape::OwnerBody() const { return GetComponent<Body>(); }

}  // namespace Framework
