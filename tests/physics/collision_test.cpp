#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/physics/Collision.h"
#include "engine/physics/OBB.h"
#include "engine/physics/Sphere.h"
#include "support/PhysicsWorld.h"

using namespace Framework;
using Math::Vec3;
using TestSupport::BoxSpec;
using TestSupport::PhysicsWorld;

namespace {

class NarrowPhase : public ::testing::Test {
 protected:
  // Two unit boxes (half sizes 0.5) at the given positions.
  void MakePair(const Vec3& first, const Vec3& second) {
    a = &PhysicsWorld::BoxOf(world.AddBox({first, 0.5f, 0.5f}));
    b = &PhysicsWorld::BoxOf(world.AddBox({second, 0.5f, 0.5f}));
  }
  bool Collide() {
    return CollideAABBAABB(a, b, a->OwnerPosition(), b->OwnerPosition(), contacts);
  }
  PhysicsWorld world;
  AABB* a = nullptr;
  AABB* b = nullptr;
  ContactSet contacts;
};

TEST_F(NarrowPhase, BoxesPushAlongTheAxisOfLeastOverlap) {
  MakePair(Vec3(0, 0, 0), Vec3(0.9f, 0.5f, 0));
  ASSERT_TRUE(Collide());
  ASSERT_EQ(contacts.Count(), 1u);
  EXPECT_EQ(contacts[0].normal, Vec3(1, 0, 0));
  EXPECT_NEAR(contacts[0].penetration, 0.1f, 1e-5f);
  EXPECT_EQ(contacts[0].a, &PhysicsWorld::BodyOf(world.Object(0)));
  EXPECT_EQ(contacts[0].b, &PhysicsWorld::BodyOf(world.Object(1)));

  // b on the left of a.
  b->GetOwnerTransform()->position = Vec3(-0.9f, 0.5f, 0);
  ASSERT_TRUE(Collide());
  EXPECT_EQ(contacts[1].normal, Vec3(-1, 0, 0));

  // Equal overlaps: the tie goes to y, downwards when b is below.
  b->GetOwnerTransform()->position = Vec3(0.5f, -0.5f, 0);
  ASSERT_TRUE(Collide());
  EXPECT_EQ(contacts[2].normal, Vec3(0, -1, 0));
  EXPECT_NEAR(contacts[2].penetration, 0.5f, 1e-6f);
}

TEST_F(NarrowPhase, TouchingBoxesDoNotCollideButDoOverlapForGameCode) {
  MakePair(Vec3(0, 0, 0), Vec3(1.0f, 0, 0));
  EXPECT_FALSE(Collide());
  EXPECT_EQ(contacts.Count(), 0u);
  EXPECT_TRUE(TestMovingAABBs(*a, Vec3(5, 0, 0), *b, Vec3()));
  b->GetOwnerTransform()->position = Vec3(1.01f, 0, 0);
  EXPECT_FALSE(TestMovingAABBs(*a, Vec3(5, 0, 0), *b, Vec3()));

  const BoxExtent unit{Vec3(), 0.5f, 0.5f};
  EXPECT_FALSE(BoxesOverlap(unit, Vec3(), unit, Vec3(1, 0, 0)));
  EXPECT_TRUE(BoxesOverlap(unit, Vec3(), unit, Vec3(0.99f, 0.99f, 0)));
  EXPECT_FALSE(BoxesOverlap(unit, Vec3(), unit, Vec3(0, -1, 0)));
}

TEST_F(NarrowPhase, AFullPoolDropsContactsInsteadOfWritingPastIt) {
  MakePair(Vec3(0, 0, 0), Vec3(0.5f, 0, 0));
  for (uint32_t i = 0; i < ContactSet::kCapacity; ++i) ASSERT_TRUE(Collide());
  EXPECT_TRUE(contacts.IsFull());
  EXPECT_TRUE(Collide());  // the overlap is still reported
  EXPECT_EQ(contacts.Count(), ContactSet::kCapacity);
}

TEST_F(NarrowPhase, CirclesWithTheSameCentrePushAlongX) {
  auto& first = world.AddBodyOnly(Vec3(3, 3, 0));
  auto& second = world.AddBodyOnly(Vec3(3, 3, 0));
  Sphere circleA(&first), circleB(&second);
  circleA.mRadius = 2.0f;
  circleB.mRadius = 1.0f;
  ASSERT_TRUE(CollideSphereSphere(&circleA, &circleB, Vec3(3, 3, 0), Vec3(3, 3, 0), contacts));
  EXPECT_EQ(contacts[0].normal, Vec3(1, 0, 0));
  EXPECT_FLOAT_EQ(contacts[0].penetration, 2.0f);
  // Exactly touching counts; a hair beyond does not.
  EXPECT_TRUE(CollideSphereSphere(&circleA, &circleB, Vec3(), Vec3(0, 3, 0), contacts));
  EXPECT_EQ(contacts[1].normal, Vec3(0, 1, 0));
  EXPECT_FALSE(CollideSphereSphere(&circleA, &circleB, Vec3(), Vec3(0, 3.01f, 0), contacts));
}

TEST_F(NarrowPhase, BoxAgainstCircleNormalPointsOutOfTheBox) {
  auto& boxObject = world.AddBox({Vec3(), 2.0f, 1.0f});
  auto& circleObject = world.AddBodyOnly(Vec3());
  AABB& box = PhysicsWorld::BoxOf(boxObject);
  Sphere circle(&circleObject);
  circle.mRadius = 0.5f;

  // Centre outside, within reach on the right.
  ASSERT_TRUE(CollideAABBSphere(&box, &circle, Vec3(), Vec3(2.25f, 0, 0), contacts));
  EXPECT_EQ(contacts[0].normal, Vec3(1, 0, 0));
  EXPECT_NEAR(contacts[0].penetration, 0.25f, 1e-6f);

  // Centre inside, in the lower-left quadrant: out through the lower-left corner.
  ASSERT_TRUE(CollideAABBSphere(&box, &circle, Vec3(), Vec3(-1.0f, -0.5f, 0), contacts));
  EXPECT_LT(contacts[1].normal.x, 0.0f);
  EXPECT_LT(contacts[1].normal.y, 0.0f);
  EXPECT_NEAR(Math::Length(contacts[1].normal), 1.0f, 1e-6f);
  EXPECT_NEAR(contacts[1].penetration, std::sqrt(1.25f) + 0.5f, 1e-5f);

  // Centre exactly on a corner: a finite outward normal.
  ASSERT_TRUE(CollideAABBSphere(&box, &circle, Vec3(), Vec3(2.0f, 1.0f, 0), contacts));
  const Vec3 n = contacts[2].normal;
  EXPECT_TRUE(std::isfinite(n.x) && std::isfinite(n.y));
  EXPECT_GT(n.x, 0.0f);
  EXPECT_GT(n.y, 0.0f);

  // The swapped test puts the circle first, with the same answer.
  EXPECT_TRUE(CollideSphereAABB(&circle, &box, Vec3(2.25f, 0, 0), Vec3(), contacts));
  EXPECT_FALSE(CollideAABBSphere(&box, &circle, Vec3(), Vec3(2.6f, 0, 0), contacts));
}

TEST_F(NarrowPhase, OrientedBoxTestsUseCornersAndRecordNothing) {
  auto& object = world.AddBox({Vec3(100, 100, 0), 1.0f, 1.0f});
  AABB& box = PhysicsWorld::BoxOf(object);
  OBB diamond(&object);
  const float half = std::sqrt(0.5f);
  diamond.mAxisX = Vec3(half, half, 0);
  diamond.mAxisY = Vec3(-half, half, 0);
  diamond.mHalfExtent = Vec3(1, 1, 0);
  diamond.mCenter = Vec3(2.0f, 0, 0);
  // The diamond's left tip (2 - 1.414, 0) lies inside the box; the positions are ignored.
  EXPECT_TRUE(CollideOBBAABB(&diamond, &box, Vec3(), Vec3(50, 0, 0), contacts));
  EXPECT_TRUE(CollideAABBOBB(&box, &diamond, Vec3(), Vec3(), contacts));
  diamond.mCenter = Vec3(2.5f, 0, 0);
  EXPECT_FALSE(CollideOBBAABB(&diamond, &box, Vec3(), Vec3(), contacts));
  OBB square(&object);
  square.mAxisX = Vec3(1, 0, 0);
  square.mAxisY = Vec3(0, 1, 0);
  square.mHalfExtent = Vec3(0.5f, 0.5f, 0);
  square.mCenter = Vec3(1.2f, 0, 0);  // its right edge reaches the diamond's tip
  EXPECT_TRUE(CollideOBBOBB(&diamond, &square, Vec3(), Vec3(), contacts));
  square.mCenter = Vec3(-3.0f, 0, 0);
  EXPECT_FALSE(CollideOBBOBB(&diamond, &square, Vec3(), Vec3(), contacts));

  Sphere circle(&object);
  circle.mCenter = Vec3(2.5f, 0.5f, 0);
  circle.mRadius = 100.0f;  // the radius plays no part
  EXPECT_TRUE(CollideOBBSphere(&diamond, &circle, Vec3(), Vec3(), contacts));
  circle.mCenter = Vec3(5, 5, 0);
  EXPECT_FALSE(CollideSphereOBB(&circle, &diamond, Vec3(), Vec3(), contacts));
  EXPECT_EQ(contacts.Count(), 0u);

  EXPECT_EQ(CollisionTest(SHAPE_AABB, SHAPE_AABB), &CollideAABBAABB);
  EXPECT_EQ(CollisionTest(SHAPE_SPHERE, SHAPE_OBB), &CollideSphereOBB);
  EXPECT_EQ(CollisionTest(3, 0), nullptr);
  EXPECT_EQ(CollisionTest(0, -1), nullptr);
}

class Resolution : public ::testing::Test {
 protected:
  Resolution() {
    a = &PhysicsWorld::BodyOf(world.AddBodyOnly(Vec3()));
    b = &PhysicsWorld::BodyOf(world.AddBodyOnly(Vec3(1, 0, 0)));
    b->mPosition = Vec3(1, 0, 0);
  }
  void Resolve(const Vec3& normal) {
    Contact* contact = contacts.Add(a, b);
    contact->normal = normal;
    ResolveContacts(contacts);
  }
  PhysicsWorld world;
  Body* a;
  Body* b;
  ContactSet contacts;
};

TEST_F(Resolution, EqualBodiesMeetingHeadOnStop) {
  a->InvMass = b->InvMass = 0.5f;
  a->velocity = Vec3(1, 0, 0);
  b->velocity = Vec3(-1, 0, 0);
  a->Restitution = 0.0f;
  b->Restitution = 1.0f;  // the smaller restitution wins
  Resolve(Vec3(1, 0, 0));
  EXPECT_EQ(contacts[0].changeA, Vec3(-1, 0, 0));
  EXPECT_EQ(contacts[0].changeB, Vec3(1, 0, 0));
  EXPECT_EQ(a->velocity, Vec3());
  EXPECT_EQ(b->velocity, Vec3());
  EXPECT_EQ(a->prevVelocity, Vec3(1, 0, 0));
  EXPECT_EQ(a->mPosition, Vec3(-1, 0, 0));
  EXPECT_EQ(b->mPosition, Vec3(2, 0, 0));
}

TEST_F(Resolution, StaticBodiesKeepStill) {
  a->InvMass = b->InvMass = 0.5f;
  a->mIsStatic = true;
  b->velocity = Vec3(-2, 0, 0);
  Resolve(Vec3(1, 0, 0));
  EXPECT_EQ(a->velocity, Vec3());
  EXPECT_EQ(a->mPosition, Vec3());
  EXPECT_EQ(b->velocity, Vec3(-1, 0, 0));

  // Two bodies without inverse mass: nothing moves and nothing divides by zero.
  contacts.Clear();
  a->InvMass = b->InvMass = 0.0f;
  a->mIsStatic = false;
  Resolve(Vec3(1, 0, 0));
  EXPECT_EQ(contacts[0].changeA, Vec3());
  EXPECT_EQ(contacts[0].changeB, Vec3());
}

TEST_F(Resolution, SeparatingBodiesAreLeftAloneWhateverTheSlotHeld) {
  a->InvMass = b->InvMass = 1.0f;
  Contact* stale = contacts.Add(a, b);
  stale->changeA = Vec3(7, 7, 7);
  stale->changeB = Vec3(9, 9, 9);
  contacts.Clear();
  b->velocity = Vec3(1, 0, 0);
  Resolve(Vec3(1, 0, 0));
  EXPECT_EQ(contacts[0].changeA, Vec3());
  EXPECT_EQ(contacts[0].changeB, Vec3());
  EXPECT_EQ(b->velocity, Vec3(1, 0, 0));
  EXPECT_EQ(a->mPosition, Vec3());
}

TEST(VectorOps, NormalizedOfZeroStaysZero) {
  EXPECT_EQ(Math::Normalized(Vec3()), Vec3());
  EXPECT_EQ(Math::Normalized(Vec3(0, 3, 4)), Vec3(0, 0.6f, 0.8f));
}

}  // namespace
