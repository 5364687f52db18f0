#include "engine/physics/Body.h"

#include "engine/core/GameObject.h"
#include "engine/physics/PhysicsArchetype.h"
#include "engine/physics/Physics.h"
#include "engine/physics/Shape.h"

namespace Framework {

Body::Body(GameObject* owner) : GameComponent(owner, ComponentId::Body) {}

Body::Body(const Body& other, GameObject* newOwner)
    : GameComponent(newOwner, ComponentId::Body),
      mPosition(other.mPosition),
      prevPosition(other.prevPosition),
      mAcceleration(other.mAcceleration),
      velocity(other.velocity),
      Mass(other.Mass),
      InvMass(other.InvMass),
      Restitution(other.Restitution),
      Friction(other.Friction),
      mUseGravity(other.mUseGravity),
      mIsStatic(other.mIsStatic),
      colliding(other.colliding) {}

// A body destroyed without Shutdown must not stay in the step's set.
Body::~Body() {
  if (PhysicsAvailable()) GetPhysics().RemoveBody(this);
}

GameComponent* Body::Clone(GameObject* newOwner) { return new Body(*this, newOwner); }

void Body::Initialize() {
  shape = GetComponent<Shape>();
  RecomputeInverseMass();
  GetPhysics().AddBody(this);
}

void Body::Shutdown() {
  if (PhysicsAvailable()) GetPhysics().RemoveBody(this);
}

void Body::Serialize(XMLSerializer& serializer) { PhysicsArchetype::WriteBody(serializer, *this); }

void Body::Deserialize(XMLSerializer& serializer) {
  PhysicsArchetype::ReadBody(serializer, *this);
  RecomputeInverseMass();
}

void Body::Integrate(float step) {
  colliding = false;
  if (ownerTransform) mPosition = ownerTransform->position;
  const Physics& physics = GetPhysics();
  if (physics.gravityEnabled && mUseGravity) {
    mAcceleration += physics.gravity * step;
    mAcceleration *= Friction;
  }
  prevVelocity = velocity;
  velocity = (velocity + mAcceleration * step) * Friction;
  prevPosition = mPosition;
  mPosition = mPosition + velocity;
}

}  // namespace Framework
