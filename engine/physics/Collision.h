#pragma once
// The narrow phase: one test per pair of shape kinds, each recording a
// contact in the step's pool when the shapes overlap, and the resolution
// that pushes the bodies of each contact apart.
#include "engine/core/Vector.h"
#include "engine/physics/Contact.h"
#include "engine/physics/VectorOps.h"

namespace Framework {

class Shape;
class AABB;

// posA and posB are the positions of the two shapes' bodies; each shape's
// centre is its mCenter added to that position.
using CollideTest = bool(Shape* a, Shape* b, const Math::Vector3<float>& posA,
                         const Math::Vector3<float>& posB, ContactSet& contacts);
using CollideFunction = CollideTest*;

CollideTest CollideAABBAABB;
CollideTest CollideAABBSphere;
CollideTest CollideAABBOBB;
CollideTest CollideSphereAABB;
CollideTest CollideSphereSphere;
CollideTest CollideSphereOBB;
CollideTest CollideOBBAABB;
CollideTest CollideOBBSphere;
CollideTest CollideOBBOBB;

// The test for two shapes by their kinds; null for a kind outside the table.
CollideFunction CollisionTest(int kindA, int kindB);

// Computes the push of one contact and moves both bodies by it; leaves the
// velocities to ResolveContacts.
void ResolveContact(Contact& contact);
// Resolves every contact in order and adds each push to the bodies' velocities.
void ResolveContacts(ContactSet& contacts);

// True when the two boxes overlap now on x and y; touching counts. The
// velocities do not change the answer.
bool TestMovingAABBs(const AABB& a, const Math::Vector3<float>& velocityA, const AABB& b,
                     const Math::Vector3<float>& velocityB);

// A box given by its centre and half sizes, for overlap tests outside the
// physics (the UI's mouse-over test).
struct BoxExtent {
  Math::Vector3<float> centre;
  float halfWidth = 0.0f;
  float halfHeight = 0.0f;
};

// True when the boxes overlap by more than a rounding error; touching is not overlap.
bool BoxesOverlap(const BoxExtent& a, const Math::Vector3<float>& posA, const BoxExtent& b,
                  const Math::Vector3<float>& posB);

}  // namespace Framework
