#include <gtest/gtest.h>

#include <cmath>

#include "engine/physics/Collision.h"
#include "engine/physics/OBB.h"
#include "engine/physics/Sphere.h"
#include "support/PhysicsWorld.h"

using namespace Framework;
using Math::Vec3;
using TestSupport::PhysicsWorld;

namespace {

class NarrowPhase : public ::testing::Test {
 protected:
  // Two unit boxes (half sizes 0.5); returns whether they collide with b at bAt.
  bool Boxes(const Vec3& bAt) {
    if (!a) {
      a = &PhysicsWorld::BoxOf(world.AddBox({Vec3(), 0.5f, 0.5f}));
      b = &PhysicsWorld::BoxOf(world.AddBox({Vec3(), 0.5f, 0.5f}));
    }
    return CollideAABBAABB(a, b, Vec3(), bAt, contacts);
  }
  const Contact& Last() const { return contacts[contacts.Count() - 1]; }

  PhysicsWorld world;
  AABB* a = nullptr;
  AABB* b = nullptr;
  ContactSet contacts;
};

TEST_F(NarrowPhase, BoxesPushAlongTheAxisOfLeastOverlap) {
  ASSERT_TRUE(Boxes(Vec3(0.9f, 0.5f, 0)));
  EXPECT_EQ(Last().normal, Vec3(1, 0, 0));
  EXPECT_NEAR(Last().penetration, 0.1f, 1e-5f);
  EXPECT_EQ(Last().b, &PhysicsWorld::BodyOf(world.Object(1)));
  ASSERT_TRUE(Boxes(Vec3(-0.9f, 0.5f, 0)));
  EXPECT_EQ(Last().normal, Vec3(-1, 0, 0));
  ASSERT_TRUE(Boxes(Vec3(0.5f, -0.5f, 0)));  // equal overlaps: the tie goes to y
  EXPECT_EQ(Last().normal, Vec3(0, -1, 0));
  EXPECT_NEAR(Last().penetration, 0.5f, 1e-6f);
}

TEST_F(NarrowPhase, TouchingBoxesDoNotCollideButDoOverlapForGameCode) {
  EXPECT_FALSE(Boxes(Vec3(1.0f, 0, 0)));
  EXPECT_EQ(contacts.Count(), 0u);
  b->GetOwnerTransform()->position = Vec3(1.0f, 0, 0);
  EXPECT_TRUE(TestMovingAABBs(*a, Vec3(5, 0, 0), *b, Vec3()));
  b->GetOwnerTransform()->position = Vec3(1.01f, 0, 0);
  EXPECT_FALSE(TestMovingAABBs(*a, Vec3(5, 0, 0), *b, Vec3()));

  const BoxExtent unit{Vec3(), 0.5f, 0.5f};
  EXPECT_FALSE(BoxesOverlap(unit, Vec3(), unit, Vec3(1, 0, 0)));
  EXPECT_TRUE(BoxesOverlap(unit, Vec3(), unit, Vec3(0.99f, 0.99f, 0)));
}

TEST_F(NarrowPhase, AFullPoolDropsContactsInsteadOfWritingPastIt) {
  for (uint32_t i = 0; i < ContactSet::kCapacity; ++i) ASSERT_TRUE(Boxes(Vec3(0.5f, 0, 0)));
  EXPECT_TRUE(Boxes(Vec3(0.5f, 0, 0)));  // the overlap is still reported
  EXPECT_EQ(contacts.Count(), ContactSet::kCapacity);
}

TEST_F(NarrowPhase, CircleNormalsPointAwayFromTheFirstShape) {
  GameObject& boxObject = world.AddBox({Vec3(), 2.0f, 1.0f});
  AABB& box = PhysicsWorld::BoxOf(boxObject);
  Sphere circle(&world.AddBodyOnly(Vec3()));
  circle.mRadius = 0.5f;

  ASSERT_TRUE(CollideAABBSphere(&box, &circle, Vec3(), Vec3(2.25f, 0, 0), contacts));
  EXPECT_EQ(Last().normal, Vec3(1, 0, 0));
  EXPECT_NEAR(Last().penetration, 0.25f, 1e-6f);
  EXPECT_FALSE(CollideSphereAABB(&circle, &box, Vec3(2.6f, 0, 0), Vec3(), contacts));

  // A centre inside leaves through the nearest corner of its quadrant.
  ASSERT_TRUE(CollideAABBSphere(&box, &circle, Vec3(), Vec3(-1.0f, -0.5f, 0), contacts));
  EXPECT_LT(Last().normal.x, 0.0f);
  EXPECT_LT(Last().normal.y, 0.0f);
  EXPECT_NEAR(Last().penetration, std::sqrt(1.25f) + 0.5f, 1e-5f);

  // A centre exactly on a corner still gets a finite outward normal.
  ASSERT_TRUE(CollideAABBSphere(&box, &circle, Vec3(), Vec3(2.0f, 1.0f, 0), contacts));
  EXPECT_GT(Last().normal.x, 0.0f);
  EXPECT_GT(Last().normal.y, 0.0f);

  Sphere other(&world.AddBodyOnly(Vec3()));
  other.mRadius = 1.0f;
  ASSERT_TRUE(CollideSphereSphere(&circle, &other, Vec3(3, 3, 0), Vec3(3, 3, 0), contacts));
  EXPECT_EQ(Last().normal, Vec3(1, 0, 0));  // same centres
  EXPECT_TRUE(CollideSphereSphere(&circle, &other, Vec3(), Vec3(0, 1.5f, 0), contacts));  // touching
  EXPECT_EQ(Last().normal, Vec3(0, 1, 0));
}

TEST_F(NarrowPhase, OrientedBoxesTestCornersAndRecordNothing) {
  GameObject& object = world.AddBox({Vec3(100, 100, 0), 1.0f, 1.0f});
  AABB& box = PhysicsWorld::BoxOf(object);
  OBB diamond(&object);  // a square turned 45 degrees, its left tip at x = 2 - 1.414
  const float half = std::sqrt(0.5f);
  diamond.mAxisX = Vec3(half, half, 0);
  diamond.mAxisY = Vec3(-half, half, 0);
  diamond.mHalfExtent = Vec3(1, 1, 0);
  diamond.mCenter = Vec3(2.0f, 0, 0);
  EXPECT_TRUE(CollideOBBAABB(&diamond, &box, Vec3(), Vec3(50, 0, 0), contacts));  // positions unused
  EXPECT_TRUE(CollideAABBOBB(&box, &diamond, Vec3(), Vec3(), contacts));
  diamond.mCenter = Vec3(2.5f, 0, 0);
  EXPECT_FALSE(CollideOBBAABB(&diamond, &box, Vec3(), Vec3(), contacts));

  Sphere circle(&object);
  circle.mCenter = Vec3(2.5f, 0.5f, 0);
  EXPECT_TRUE(CollideSphereOBB(&circle, &diamond, Vec3(), Vec3(), contacts));
  EXPECT_EQ(contacts.Count(), 0u);
  // Shapes of the wrong kind are refused rather than misread.
  EXPECT_FALSE(CollideAABBAABB(&box, &circle, Vec3(), Vec3(), contacts));
  EXPECT_FALSE(CollideOBBOBB(&diamond, &box, Vec3(), Vec3(), contacts));
  EXPECT_EQ(CollisionTest(SHAPE_SPHERE, SHAPE_OBB), &CollideSphereOBB);
  EXPECT_EQ(CollisionTest(3, 0), nullptr);
}

class Resolution : public ::testing::Test {
 protected:
  Resolution() {
    a = &PhysicsWorld::BodyOf(world.AddBodyOnly(Vec3()));
    b = &PhysicsWorld::BodyOf(world.AddBodyOnly(Vec3()));
    a->InvMass = b->InvMass = 0.5f;
  }
  const Contact& Resolve(const Vec3& normal) {
    Contact* contact = contacts.Add(a, b);
    contact->normal = normal;
    ResolveContacts(contacts);
    return *contact;
  }
  PhysicsWorld world;
  Body* a;
  Body* b;
  ContactSet contacts;
};

TEST_F(Resolution, EqualBodiesMeetingHeadOnStop) {
  a->velocity = Vec3(1, 0, 0);
  b->velocity = Vec3(-1, 0, 0);
  b->Restitution = 1.0f;  // the smaller restitution (0) wins
  const Contact& contact = Resolve(Vec3(1, 0, 0));
  EXPECT_EQ(contact.changeA, Vec3(-1, 0, 0));
  EXPECT_EQ(contact.changeB, Vec3(1, 0, 0));
  EXPECT_EQ(a->velocity, Vec3());
  EXPECT_EQ(b->velocity, Vec3());
  EXPECT_EQ(a->prevVelocity, Vec3(1, 0, 0));
  EXPECT_EQ(a->mPosition, Vec3(-1, 0, 0));
  EXPECT_EQ(b->mPosition, Vec3(1, 0, 0));
}

TEST_F(Resolution, StaticAndMasslessBodiesKeepStill) {
  a->mIsStatic = true;  // with a mass of 2, still immovable
  b->velocity = Vec3(-2, 0, 0);
  Resolve(Vec3(1, 0, 0));
  EXPECT_EQ(a->velocity, Vec3());
  EXPECT_EQ(a->mPosition, Vec3());
  EXPECT_EQ(b->velocity, Vec3());  // the whole approach is taken off the moving body
  EXPECT_EQ(b->mPosition, Vec3(2, 0, 0));
  b->velocity = Vec3(-1, 0, 0);

  contacts.Clear();
  b->mIsStatic = true;  // both static: neither moves
  EXPECT_EQ(Resolve(Vec3(1, 0, 0)).changeB, Vec3());
  EXPECT_EQ(b->velocity, Vec3(-1, 0, 0));

  contacts.Clear();
  a->mIsStatic = b->mIsStatic = false;
  a->InvMass = b->InvMass = 0.0f;  // nothing moves and nothing divides by zero
  const Contact& contact = Resolve(Vec3(1, 0, 0));
  EXPECT_EQ(contact.changeA, Vec3());
  EXPECT_EQ(contact.changeB, Vec3());
}

TEST_F(Resolution, SeparatingBodiesAreLeftAloneWhateverTheSlotHeld) {
  contacts.Add(a, b)->changeB = Vec3(9, 9, 9);
  contacts.Clear();
  b->velocity = Vec3(1, 0, 0);
  const Contact& contact = Resolve(Vec3(1, 0, 0));
  EXPECT_EQ(contact.changeB, Vec3());
  EXPECT_EQ(b->velocity, Vec3(1, 0, 0));
  EXPECT_EQ(b->mPosition, Vec3());
}

}  // namespace
