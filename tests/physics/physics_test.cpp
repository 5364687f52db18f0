#include <gtest/gtest.h>

#include <limits>

#include "engine/core/Engine.h"
#include "engine/physics/MapperFF.h"
#include "engine/physics/Physics.h"
#include "engine/physics/VectorOps.h"
#include "support/PhysicsWorld.h"
#include "support/TestSupport.h"

using namespace Framework;
using Math::Vec3;
using TestSupport::BoxSetup;
using TestSupport::PhysicsWorld;

namespace {

class PhysicsStep : public ::testing::Test {
 protected:
  PhysicsStep() {
    PhysicsWorld::LoadOpenGrid(folder.Path().string());
    Physics& physics = GetPhysics();  // single-step mode empties the accumulator
    physics.singleStepMode = true;
    physics.Update(0.0f);
    physics.singleStepMode = false;
  }
  ~PhysicsStep() override { GetEngine().paused = false; }

  TestSupport::TempFolder folder;
  PhysicsWorld world;
};

TEST_F(PhysicsStep, PausedGameRunsNoStepAndKeepsTheDebt) {
  Body& walker = PhysicsWorld::BodyOf(world.AddBox({Vec3(), 1, 1, 0, false, Vec3(1, 0, 0)}));
  Physics& physics = GetPhysics();
  physics.Update(0.01f);
  GetEngine().paused = true;
  physics.Update(0.5f);
  EXPECT_EQ(walker.GetOwnerTransform()->position.x, 0.0f);
  EXPECT_NEAR(physics.Accumulated(), 0.01f, 1e-6f);
  GetEngine().paused = false;
  physics.Update(0.01f);
  EXPECT_EQ(walker.GetOwnerTransform()->position.x, 1.0f);  // one step, written back
}

TEST_F(PhysicsStep, BlockedGroundSendsTheBodyBackAtDoubleSpeed) {
  // A wall down column 33, x from 20 to 40.
  const auto wall =
      folder.Write("wall.txt", TestSupport::GridText(64, 36, [](int column, int) { return column == 33 ? 1 : 0; }));
  ASSERT_TRUE(GetMapperFF().Load(wall.string(), 1280, 720));
  Body& body = PhysicsWorld::BodyOf(world.AddBox({Vec3(15, 0, 0), 1, 1, 0, false, Vec3(10, 2, 0)}));
  // A body whose box is disabled, or that has no box, walks on.
  Body& ghost = PhysicsWorld::BodyOf(world.AddBox({Vec3(15, 100, 0), 1, 1, 0, false, Vec3(10, 0, 0)}));
  PhysicsWorld::BoxOf(*ghost.GetOwner()).enabled = false;
  Body& bare = PhysicsWorld::BodyOf(world.AddBodyOnly(Vec3(15, -100, 0)));
  bare.velocity = Vec3(10, 0, 0);

  GetPhysics().Step();
  EXPECT_EQ(body.GetOwnerTransform()->position, Vec3(15, 0, 0));
  EXPECT_EQ(body.velocity, Vec3(-20, -4, 0));
  EXPECT_EQ(ghost.mPosition.x, 25.0f);
  EXPECT_EQ(bare.mPosition.x, 25.0f);
}

TEST_F(PhysicsStep, ABodyTrappedOnBlockedGroundKeepsAFiniteVelocity) {
  // Far off the grid every place it tries is blocked, so it is sent back every step.
  Body& trapped = PhysicsWorld::BodyOf(world.AddBox({Vec3(1e6f, 0, 0), 1, 1, 0, false, Vec3(1, 0, 0)}));
  for (int step = 0; step < 200; ++step) GetPhysics().Step();
  EXPECT_TRUE(IsFinite(trapped.velocity)) << trapped.velocity.x;
  EXPECT_EQ(trapped.GetOwnerTransform()->position, Vec3(1e6f, 0, 0));
}

TEST_F(PhysicsStep, ABoxAtANonFinitePlaceHidesNoOtherOverlap) {
  // In this list order a NaN minimum used to leave the sorted list out of
  // order, so the sweep stopped before reaching the overlapping pair.
  world.AddBox({Vec3(5.75f, 100, 0), 0.75f, 0.75f});
  world.AddBox({Vec3(std::numeric_limits<float>::quiet_NaN(), 0, 0), 0.75f, 0.75f});
  Body& left = PhysicsWorld::BodyOf(world.AddBox({Vec3(3.75f, 0, 0), 0.75f, 0.75f}));
  Body& right = PhysicsWorld::BodyOf(world.AddBox({Vec3(4.75f, 0, 0), 0.75f, 0.75f}));
  GetPhysics().Step();
  EXPECT_TRUE(left.colliding);
  EXPECT_TRUE(right.colliding);
}

// Whether one step finds two overlapping boxes with these settings in contact.
bool Collides(const BoxSetup& first, const BoxSetup& second, bool secondEnabled = true) {
  PhysicsWorld world;
  Body& a = PhysicsWorld::BodyOf(world.AddBox(first));
  Body& b = PhysicsWorld::BodyOf(world.AddBox(second));
  PhysicsWorld::BoxOf(*b.GetOwner()).enabled = secondEnabled;
  GetPhysics().Step();
  return a.colliding || b.colliding;
}

TEST_F(PhysicsStep, LayersStaticFlagsAndDisabledBoxesFilterPairs) {
  const bool expected[4][4] = {{true, true, true, true},
                               {true, true, true, true},
                               {true, true, false, false},
                               {true, true, false, false}};
  for (unsigned la = 0; la < 4; ++la) {
    for (unsigned lb = 0; lb < 4; ++lb) {
      EXPECT_EQ(Collides({Vec3(0, 0, 0), 1, 1, la}, {Vec3(1, 0, 0), 1, 1, lb}), expected[la][lb])
          << la << "," << lb;
    }
  }
  EXPECT_FALSE(Collides({Vec3(), 1, 1, 0, true}, {Vec3(1, 0, 0), 1, 1, 1, true}));
  EXPECT_TRUE(Collides({Vec3(), 1, 1, 0, true}, {Vec3(1, 0, 0), 1, 1, 1, false}));
  EXPECT_FALSE(Collides({Vec3(), 1, 1}, {Vec3(1, 0, 0), 1, 1}, false));
  EXPECT_FALSE(Collides({Vec3(), 1, 1, 0}, {Vec3(1, 0, 0), 1, 1, 4}));
  EXPECT_FALSE(Collides({Vec3(), 1, 1}, {Vec3(2, 0, 0), 1, 1}));  // edges touch: no contact
}

TEST_F(PhysicsStep, ABoxWithoutABodyIsSkipped) {
  auto loose = std::make_shared<GameObject>(Vec3(0.5f, 0, 0));
  auto box = std::make_shared<AABB>(loose.get());
  box->mRadiusX = box->mRadiusY = 1.0f;
  loose->AddComponent(box);
  Body& body = PhysicsWorld::BodyOf(world.AddBox({Vec3(), 1, 1}));
  GetPhysics().Step();
  EXPECT_FALSE(body.colliding);
}

TEST_F(PhysicsStep, MoreOverlapsThanThePoolHoldsAreDropped) {
  for (int i = 0; i < 50; ++i) world.AddBox({Vec3(), 1, 1});  // 1,225 overlapping pairs
  GetPhysics().Step();
  EXPECT_EQ(GetPhysics().Contacts().Count(), ContactSet::kCapacity);
  for (int i = 0; i < 50; ++i) EXPECT_TRUE(PhysicsWorld::BodyOf(world.Object(i)).colliding);
}

TEST_F(PhysicsStep, ContactPushesOverlappingBoxesApart) {
  // The sweep bounds come from where the boxes start the step, so start them overlapping.
  Body& left = PhysicsWorld::BodyOf(world.AddBox({Vec3(0, 0, 0), 1, 1, 0, false, Vec3(0.25f, 0, 0)}));
  Body& right = PhysicsWorld::BodyOf(world.AddBox({Vec3(1.5f, 0, 0), 1, 1, 0, false, Vec3(-0.25f, 0, 0)}));
  GetPhysics().Step();
  EXPECT_EQ(left.velocity, Vec3());
  EXPECT_EQ(right.velocity, Vec3());
  EXPECT_EQ(left.GetOwnerTransform()->position.x, 0.0f);
  EXPECT_EQ(right.GetOwnerTransform()->position.x, 1.5f);
}

}  // namespace
