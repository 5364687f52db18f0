#include <gtest/gtest.h>

#include <fstream>

#include "engine/core/Engine.h"
#include "engine/physics/MapperFF.h"
#include "engine/physics/Physics.h"
#include "support/PhysicsWorld.h"
#include "support/TestSupport.h"

using namespace Framework;
using Math::Vec3;
using TestSupport::BoxSpec;
using TestSupport::PhysicsWorld;

namespace {

class PhysicsStep : public ::testing::Test {
 protected:
  PhysicsStep() {
    PhysicsWorld::LoadOpenGrid(folder.Path().string());
    EmptyAccumulator();
    GetEngine().paused = false;
  }
  ~PhysicsStep() override { GetEngine().paused = false; }

  static void EmptyAccumulator() {
    Physics& physics = GetPhysics();
    physics.singleStepMode = true;
    physics.Update(0.0f);
    physics.singleStepMode = false;
  }
  // A body moving one unit per step along x: its x counts the steps run.
  Body& Walker() { return PhysicsWorld::BodyOf(world.AddBox({Vec3(), 1, 1, 0, false, Vec3(1, 0, 0)})); }
  static float X(Body& body) { return body.GetOwnerTransform()->position.x; }

  TestSupport::TempFolder folder;
  PhysicsWorld world;
};

TEST_F(PhysicsStep, FrameTimeBecomesAtMostOneFixedStep) {
  Body& walker = Walker();
  Physics& physics = GetPhysics();
  physics.Update(0.02f);
  EXPECT_EQ(X(walker), 1.0f);
  EXPECT_NEAR(physics.Accumulated(), 0.0033333f, 1e-6f);

  EmptyAccumulator();
  physics.Update(0.5f);
  EXPECT_EQ(X(walker), 2.0f);
  EXPECT_NEAR(physics.Accumulated(), 0.06666667f, 1e-6f);

  EmptyAccumulator();
  physics.Update(0.01f);
  EXPECT_EQ(X(walker), 2.0f);
  physics.Update(0.01f);
  EXPECT_EQ(X(walker), 3.0f);
}

TEST_F(PhysicsStep, PausedGameRunsNoStepAndKeepsTheDebt) {
  Body& walker = Walker();
  Physics& physics = GetPhysics();
  physics.Update(0.01f);
  GetEngine().paused = true;
  physics.Update(0.5f);
  physics.Update(0.5f);
  EXPECT_EQ(X(walker), 0.0f);
  EXPECT_NEAR(physics.Accumulated(), 0.01f, 1e-6f);
  GetEngine().paused = false;
  physics.Update(0.01f);
  EXPECT_EQ(X(walker), 1.0f);
}

TEST_F(PhysicsStep, BodiesFollowTheirTransformAndWriteBack) {
  Body& walker = Walker();
  walker.GetOwnerTransform()->position = Vec3(100, 50, 3);  // moved by game code
  GetPhysics().Step();
  EXPECT_EQ(walker.GetOwnerTransform()->position, Vec3(101, 50, 3));
  EXPECT_EQ(walker.prevPosition, Vec3(100, 50, 3));
}

TEST_F(PhysicsStep, GravityIsNeverApplied) {
  Body& body = PhysicsWorld::BodyOf(world.AddBox({Vec3(), 1, 1}));
  ASSERT_TRUE(body.mUseGravity);
  for (int i = 0; i < 10; ++i) GetPhysics().Step();
  EXPECT_EQ(body.velocity, Vec3());
  EXPECT_EQ(body.mAcceleration, Vec3());
}

TEST_F(PhysicsStep, BlockedGroundSendsTheBodyBackAtDoubleSpeed) {
  // Block the cell right of the origin (column 32, x 0..20) except where the body starts.
  const std::string path = (folder.Path() / "wall.txt").string();
  {
    std::string text = "Width 64 Height 36\n";
    for (int row = 0; row < 36; ++row)
      for (int column = 0; column < 64; ++column) text += column == 33 ? "1 " : "0 ";
    std::ofstream(path) << text;
  }
  ASSERT_TRUE(GetMapperFF().Load(path, 1280, 720));
  Body& body = PhysicsWorld::BodyOf(world.AddBox({Vec3(15, 0, 0), 1, 1, 0, false, Vec3(10, 2, 0)}));
  GetPhysics().Step();
  EXPECT_EQ(body.GetOwnerTransform()->position, Vec3(15, 0, 0));
  EXPECT_EQ(body.velocity, Vec3(-20, -4, 0));

  // A body whose box is disabled, or that has no box at all, walks on.
  Body& ghost = PhysicsWorld::BodyOf(world.AddBox({Vec3(15, 100, 0), 1, 1, 0, false, Vec3(10, 0, 0)}));
  PhysicsWorld::BoxOf(*ghost.GetOwner()).enabled = false;
  Body& bare = PhysicsWorld::BodyOf(world.AddBodyOnly(Vec3(15, -100, 0)));
  bare.velocity = Vec3(10, 0, 0);
  GetPhysics().Step();
  EXPECT_EQ(ghost.mPosition.x, 25.0f);
  EXPECT_EQ(bare.mPosition.x, 25.0f);
}

// Whether one step pushes apart two overlapping boxes with these settings.
bool Collides(const BoxSpec& first, const BoxSpec& second, bool secondEnabled = true) {
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
  EXPECT_FALSE(Collides({Vec3(), 1, 1}, {Vec3(2, 0, 0), 1, 1}));  // edges touch: tested, no contact
}

TEST_F(PhysicsStep, ABoxWithoutABodyIsSkipped) {
  auto loose = std::make_shared<GameObject>(Vec3(0.5f, 0, 0));
  auto box = std::make_shared<AABB>(loose.get());
  box->mRadiusX = box->mRadiusY = 1.0f;
  loose->AddComponent(box);
  Body& body = PhysicsWorld::BodyOf(world.AddBox({Vec3(), 1, 1}));
  GetPhysics().Step();
  EXPECT_FALSE(body.colliding);
  EXPECT_EQ(GetPhysics().Contacts().Count(), 0u);
}

TEST_F(PhysicsStep, MoreOverlapsThanThePoolHoldsAreDropped) {
  // 50 boxes on one spot: 1,225 overlapping pairs.
  for (int i = 0; i < 50; ++i) world.AddBox({Vec3(), 1, 1});
  GetPhysics().Step();
  EXPECT_EQ(GetPhysics().Contacts().Count(), ContactSet::kCapacity);
  for (int i = 0; i < 50; ++i) EXPECT_TRUE(PhysicsWorld::BodyOf(world.Object(i)).colliding);
}

TEST_F(PhysicsStep, ContactPushesOverlappingBoxesApart) {
  // The sweep bounds come from where the boxes start the step, so start them overlapping.
  Body& left = PhysicsWorld::BodyOf(world.AddBox({Vec3(0, 0, 0), 1, 1, 0, false, Vec3(0.25f, 0, 0)}));
  Body& right = PhysicsWorld::BodyOf(world.AddBox({Vec3(1.5f, 0, 0), 1, 1, 0, false, Vec3(-0.25f, 0, 0)}));
  GetPhysics().Step();  // they close in to overlap by 1 on x and are pushed back
  EXPECT_TRUE(left.colliding && right.colliding);
  EXPECT_EQ(left.velocity, Vec3());
  EXPECT_EQ(right.velocity, Vec3());
  EXPECT_EQ(left.GetOwnerTransform()->position.x, 0.0f);
  EXPECT_EQ(right.GetOwnerTransform()->position.x, 1.5f);
}

TEST_F(PhysicsStep, SceneClearEmptiesBodiesAndBoxes) {
  Walker();
  ASSERT_EQ(GetPhysics().Bodies().size(), 1u);
  ASSERT_EQ(GetPhysics().Shapes().size(), 1u);
  GetPhysics().ClearScene();
  EXPECT_TRUE(GetPhysics().Bodies().empty());
  EXPECT_TRUE(GetPhysics().Shapes().empty());
}

}  // namespace
