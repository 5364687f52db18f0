#include "engine/physics/Physics.h"

#include <cmath>

#include "engine/core/Engine.h"
#include "engine/core/GameObject.h"
#include "engine/core/StaticInstance.h"
#include "engine/physics/AABB.h"
#include "engine/physics/Body.h"
#include "engine/physics/Collision.h"
#include "engine/physics/MapperFF.h"
#include "engine/physics/Shape.h"
#include "engine/physics/VectorOps.h"

namespace Framework {

void Physics::Update(float frameTime) {
  BeginTiming();
  if (singleStepMode) {
    accumulator.Clear();
    if (stepRequested) {
      Step();
      stepRequested = false;
    }
  } else if (!GetEngine().paused && accumulator.Advance(frameTime)) {
    Step();
  }
  EndTiming();
}

void Physics::RemoveShape(Shape* shape) { Math::RemoveFromVector(shapes, shape); }

void Physics::ClearScene() {
  bodies.clear();
  shapes.clear();
  contacts.Clear();
}

void Physics::Step() {
  IntegrateBodies(kStep);
  contacts.Clear();
  DetectCollisions();
  ResolveContacts(contacts);
  SyncTransforms();
}

void Physics::IntegrateBodies(float step) {
  for (Body* body : bodies) body->Integrate(step);
}

void Physics::SyncTransforms() {
  for (Body* body : bodies) {
    if (Transform* transform = body->GetOwnerTransform()) transform->position = body->mPosition;
  }
}

void Physics::EnforceWalkability() {
  const MapperFF& grid = GetMapperFF();
  for (Body* body : bodies) {
    const Shape* shape = body->shape;
    if (!shape || !shape->enabled) continue;
    if (grid.IsWalkable(body->mPosition.x, body->mPosition.y)) continue;
    body->mPosition = body->prevPosition;
    body->velocity = body->velocity * -2.0f;
    // A body stuck on blocked ground doubles its speed every step; stop it
    // before that overflows and the infinity turns into NaN in the steering
    // and the contacts.
    if (!IsFinite(body->velocity)) body->velocity = Math::Vector3<float>();
  }
}

namespace {
// A box's left edge; other shapes (never in the sweep list) count by their centre.
float SweepMinimum(const Shape& shape) {
  if (const auto* box = dynamic_cast<const AABB*>(&shape)) return box->GetMin().x;
  return (shape.OwnerPosition() + shape.mCenter).x;
}
}  // namespace

bool Physics::CompareShapesOnSweepAxis(Shape* a, Shape* b) { return SweepMinimum(*a) < SweepMinimum(*b); }

void Physics::CollectCandidates() {
  candidates.clear();
  candidateBodies.assign(shapes.size(), nullptr);
  for (size_t index = 0; index < shapes.size(); ++index) {
    Shape* shape = shapes[index];
    if (!shape->enabled || shape->kind != SHAPE_AABB) continue;
    Body* body = shape->OwnerBody();
    // A box needs a body on a known layer to take part.
    if (!body || !layers.IsValid(body->layer_id)) continue;
    const AABB* box = static_cast<const AABB*>(shape);
    // The bounds come from the transform, that is the position at the start of the step.
    const float min = box->GetMin().x;
    const float max = box->GetMax().x;
    // A box at a non-finite place cannot be ordered; left in, it would
    // unsort the list and hide real overlaps between the other boxes.
    if (!std::isfinite(min) || !std::isfinite(max)) continue;
    candidates.push_back({min, max, body->layer_id, body->mIsStatic, index});
    candidateBodies[index] = body;
  }
}

void Physics::DetectCollisions() {
  CollectCandidates();
  EnforceWalkability();
  SweepPairs(candidates, layers, [this](size_t first, size_t second) {
    Shape* shapeA = shapes[first];
    Shape* shapeB = shapes[second];
    Body* bodyA = candidateBodies[first];
    Body* bodyB = candidateBodies[second];
    const CollideFunction test = CollisionTest(shapeA->kind, shapeB->kind);
    if (test && test(shapeA, shapeB, bodyA->mPosition, bodyB->mPosition, contacts)) {
      bodyA->colliding = true;
      bodyB->colliding = true;
    }
  });
}

Physics& GetPhysics() { return StaticInstance<Physics>::Get(); }

bool PhysicsAvailable() { return StaticInstance<Physics>::Alive(); }

}  // namespace Framework
