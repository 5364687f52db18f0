#include "engine/physics/Collision.h"

#include <cfloat>
#include <cmath>

#include "engine/physics/AABB.h"
#include "engine/physics/Body.h"
#include "engine/physics/OBB.h"
#include "engine/physics/Sphere.h"

namespace Framework {

namespace {

using Vec3 = Math::Vector3<float>;

template <class T>
constexpr int KindOf();
template <>
constexpr int KindOf<AABB>() { return SHAPE_AABB; }
template <>
constexpr int KindOf<Sphere>() { return SHAPE_SPHERE; }
template <>
constexpr int KindOf<OBB>() { return SHAPE_OBB; }

// The shape as its concrete kind, or null when it is another kind (or none),
// so a test handed the wrong shapes answers false instead of misreading them.
template <class T>
const T* As(const Shape* shape) {
  return shape && shape->kind == KindOf<T>() ? static_cast<const T*>(shape) : nullptr;
}

// Takes the next pool record for the two shapes' bodies. Null when the pool
// is full or a shape has no body to push: the overlap still counts, but no
// contact is kept.
Contact* RecordContact(Shape* a, Shape* b, ContactSet& contacts) {
  Body* bodyA = a->OwnerBody();
  Body* bodyB = b->OwnerBody();
  if (!bodyA || !bodyB) return nullptr;
  return contacts.Add(bodyA, bodyB);
}

void Fill(Contact* contact, const Vec3& normal, float penetration) {
  if (!contact) return;
  contact->normal = normal;
  contact->penetration = penetration;
}

// True when any corner of box is inside the oriented box.
bool BoxCornerInside(const OBB& oriented, const AABB& box) {
  const float rx = box.mRadiusX;
  const float ry = box.mRadiusY;
  const Vec3 offsets[4] = {Vec3(rx, ry, 0), Vec3(rx, -ry, 0), Vec3(-rx, ry, 0), Vec3(-rx, -ry, 0)};
  for (const Vec3& offset : offsets) {
    if (oriented.ContainsPoint(box.mCenter + offset)) return true;
  }
  return false;
}

bool OrientedCornerInside(const Shape& container, const OBB& oriented) {
  Vec3 corners[4];
  oriented.GetCorners(corners);
  for (const Vec3& corner : corners) {
    if (container.ContainsPoint(corner)) return true;
  }
  return false;
}

// The corner of the box in the quadrant of a point (z kept).
Vec3 QuadrantCorner(const AABB& box, Vec3 point) {
  point.x = point.x - box.mCenter.x < 0.0f ? box.mCenter.x - box.mRadiusX : box.mCenter.x + box.mRadiusX;
  point.y = point.y - box.mCenter.y < 0.0f ? box.mCenter.y - box.mRadiusY : box.mCenter.y + box.mRadiusY;
  return point;
}

// The outward direction from a box to a circle centre that lies inside it,
// towards the nearest corner of its quadrant. A centre exactly on that corner
// has no direction to it, so the corner's own direction from the box centre
// is used instead.
Vec3 OutOfBox(const AABB& box, const Vec3& centre, const Vec3& corner) {
  const Vec3 toCorner = corner - centre;
  if (LengthSquared(toCorner) > 0.0f) return Math::Normalized(toCorner);
  const Vec3 fromMiddle = corner - box.mCenter;
  if (LengthSquared(fromMiddle) > 0.0f) return Math::Normalized(fromMiddle);
  return Vec3(1.0f, 0.0f, 0.0f);
}

}  // namespace

bool CollideAABBAABB(Shape* a, Shape* b, const Vec3& posA, const Vec3& posB, ContactSet& contacts) {
  const AABB* boxA = As<AABB>(a);
  const AABB* boxB = As<AABB>(b);
  if (!boxA || !boxB) return false;
  const Vec3 d = (boxB->mCenter + posB) - (boxA->mCenter + posA);
  const float overlapX = (boxA->mRadiusX + boxB->mRadiusX) - std::fabs(d.x);
  if (overlapX <= FLT_EPSILON) return false;
  const float overlapY = (boxA->mRadiusY + boxB->mRadiusY) - std::fabs(d.y);
  if (overlapY <= FLT_EPSILON) return false;
  Contact* contact = RecordContact(a, b, contacts);
  // Push along the axis of least overlap; a tie goes to y.
  if (overlapY > overlapX) {
    Fill(contact, Vec3(d.x > FLT_EPSILON ? 1.0f : -1.0f, 0.0f, 0.0f), overlapX);
  } else {
    Fill(contact, Vec3(0.0f, d.y > FLT_EPSILON ? 1.0f : -1.0f, 0.0f), overlapY);
  }
  return true;
}

bool CollideSphereSphere(Shape* a, Shape* b, const Vec3& posA, const Vec3& posB, ContactSet& contacts) {
  const Sphere* circleA = As<Sphere>(a);
  const Sphere* circleB = As<Sphere>(b);
  if (!circleA || !circleB) return false;
  const Vec3 d = (circleB->mCenter + posB) - (circleA->mCenter + posA);
  const float reach = circleA->mRadius + circleB->mRadius;
  if (LengthSquared(d) > reach * reach) return false;
  Contact* contact = RecordContact(a, b, contacts);
  const float length = Math::Length(d);
  if (length > FLT_EPSILON) {
    Fill(contact, d / length, reach - length);
  } else {
    Fill(contact, Vec3(1.0f, 0.0f, 0.0f), circleA->mRadius);  // same centres: any direction will do
  }
  return true;
}

bool CollideAABBSphere(Shape* a, Shape* b, const Vec3& posA, const Vec3& posB, ContactSet& contacts) {
  const AABB* boxShape = As<AABB>(a);
  const Sphere* circleShape = As<Sphere>(b);
  if (!boxShape || !circleShape) return false;
  const AABB& box = *boxShape;
  const Sphere& circle = *circleShape;
  // Work in the box's frame.
  const Vec3 centre = circle.mCenter + (posB - posA);
  const Vec3 closest = box.ClosestPoint(centre);
  if (box.ContainsPoint(centre)) {
    const Vec3 corner = QuadrantCorner(box, closest);
    Contact* contact = RecordContact(a, b, contacts);
    // The circle leaves through the corner, so the normal points from its
    // centre out to that corner.
    Fill(contact, OutOfBox(box, centre, corner), Math::Length(centre - corner) + circle.mRadius);
    return true;
  }
  const Vec3 gap = centre - closest;
  if (LengthSquared(gap) < circle.mRadius * circle.mRadius) {
    Contact* contact = RecordContact(a, b, contacts);
    Fill(contact, Math::Normalized(gap), circle.mRadius - Math::Length(gap));
    return true;
  }
  return false;
}

bool CollideOBBAABB(Shape* a, Shape* b, const Vec3&, const Vec3&, ContactSet&) {
  const OBB* oriented = As<OBB>(a);
  const AABB* box = As<AABB>(b);
  if (!oriented || !box) return false;
  return BoxCornerInside(*oriented, *box) || OrientedCornerInside(*box, *oriented);
}

bool CollideOBBOBB(Shape* a, Shape* b, const Vec3&, const Vec3&, ContactSet&) {
  const OBB* first = As<OBB>(a);
  const OBB* second = As<OBB>(b);
  if (!first || !second) return false;
  return OrientedCornerInside(*first, *second) || OrientedCornerInside(*second, *first);
}

bool CollideOBBSphere(Shape* a, Shape* b, const Vec3&, const Vec3&, ContactSet&) {
  const OBB* oriented = As<OBB>(a);
  const Sphere* circle = As<Sphere>(b);
  // Only the circle's centre is tested; its radius plays no part.
  return oriented && circle && oriented->ContainsPoint(circle->mCenter);
}

bool CollideAABBOBB(Shape* a, Shape* b, const Vec3& posA, const Vec3& posB, ContactSet& contacts) {
  return CollideOBBAABB(b, a, posB, posA, contacts);
}

bool CollideSphereAABB(Shape* a, Shape* b, const Vec3& posA, const Vec3& posB, ContactSet& contacts) {
  return CollideAABBSphere(b, a, posB, posA, contacts);
}

bool CollideSphereOBB(Shape* a, Shape* b, const Vec3& posA, const Vec3& posB, ContactSet& contacts) {
  return CollideOBBSphere(b, a, posB, posA, contacts);
}

CollideFunction CollisionTest(int kindA, int kindB) {
  static const CollideFunction table[SHAPE_KIND_COUNT][SHAPE_KIND_COUNT] = {
      {CollideAABBAABB, CollideAABBSphere, CollideAABBOBB},
      {CollideSphereAABB, CollideSphereSphere, CollideSphereOBB},
      {CollideOBBAABB, CollideOBBSphere, CollideOBBOBB},
  };
  if (kindA < 0 || kindA >= SHAPE_KIND_COUNT || kindB < 0 || kindB >= SHAPE_KIND_COUNT) return nullptr;
  return table[kindA][kindB];
}

void ResolveContact(Contact& contact) {
  Body& a = *contact.a;
  Body& b = *contact.b;
  const float closingSpeed = Math::Dot(b.velocity - a.velocity, contact.normal);
  if (closingSpeed > 0.0f) {  // already separating
    contact.changeA = Vec3();
    contact.changeB = Vec3();
    return;
  }
  const float restitution = std::fmin(a.Restitution, b.Restitution);
  // A static body cannot be pushed, whatever mass it was given: it counts as
  // infinitely heavy. Counting its inverse mass would hand the moving body
  // only its own share of the push, and a box walked into a static box with
  // a mass would sink a little further every step until it passed through.
  const float inverseMassA = a.mIsStatic ? 0.0f : a.InvMass;
  const float inverseMassB = b.mIsStatic ? 0.0f : b.InvMass;
  const float inverseMassSum = inverseMassA + inverseMassB;
  const float magnitude = inverseMassSum != 0.0f ? -(1.0f + restitution) * closingSpeed / inverseMassSum : 0.0f;
  const Vec3 impulse = contact.normal * magnitude;
  contact.changeA = impulse * (a.mIsStatic ? 0.0f : 1.0f) * (-a.InvMass);
  contact.changeB = impulse * (b.mIsStatic ? 0.0f : 1.0f) * b.InvMass;
  a.mPosition += contact.changeA;
  b.mPosition += contact.changeB;
}

void ResolveContacts(ContactSet& contacts) {
  for (uint32_t i = 0; i < contacts.Count(); ++i) {
    Contact& contact = contacts[i];
    if (!contact.a || !contact.b) continue;
    ResolveContact(contact);
    contact.a->prevVelocity = contact.a->velocity;
    contact.a->velocity += contact.changeA;
    contact.b->prevVelocity = contact.b->velocity;
    contact.b->velocity += contact.changeB;
  }
}

bool TestMovingAABBs(const AABB& a, const Vec3&, const AABB& b, const Vec3&) {
  const Vec3 minA = a.GetMin(), maxA = a.GetMax();
  const Vec3 minB = b.GetMin(), maxB = b.GetMax();
  return !(minA.x > maxB.x) && !(minB.x > maxA.x) && !(minA.y > maxB.y) && !(minB.y > maxA.y);
}

bool BoxesOverlap(const BoxExtent& a, const Vec3& posA, const BoxExtent& b, const Vec3& posB) {
  const Vec3 d = (b.centre + posB) - (a.centre + posA);
  return (a.halfWidth + b.halfWidth) - std::fabs(d.x) > FLT_EPSILON &&
         (a.halfHeight + b.halfHeight) - std::fabs(d.y) > FLT_EPSILON;
}

}  // namespace Framework
