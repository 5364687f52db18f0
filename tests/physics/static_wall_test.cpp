#include <gtest/gtest.h>

#include "engine/physics/Physics.h"
#include "support/PhysicsWorld.h"
#include "support/TestSupport.h"

using namespace Framework;
using Math::Vec3;
using TestSupport::BoxSetup;
using TestSupport::PhysicsWorld;

namespace {

// A box steered into a static box every step, as a player holding a
// direction or a guest walking to a prop does: whatever mass the level gives
// the static box, the walker stops at its side and the static box stays put.
TEST(StaticWall, ABoxWalkedIntoAStaticBoxStopsAtItWhateverItsMass) {
  for (const float wallMass : {0.0f, 1.0f, 5.0f}) {
    TestSupport::TempFolder folder;
    PhysicsWorld::LoadOpenGrid(folder.Path().string());
    PhysicsWorld world;
    BoxSetup wallSetup(Vec3(100, 0, 0), 10, 50, 0, true);
    wallSetup.mass = wallMass;
    Body& wall = PhysicsWorld::BodyOf(world.AddBox(wallSetup));
    Body& walker = PhysicsWorld::BodyOf(world.AddBox({Vec3(0, 0, 0), 10, 10, 1}));
    const float wallLeft = 90.0f;
    for (int step = 0; step < 240; ++step) {
      walker.velocity = Vec3(2, 0, 0);
      GetPhysics().Step();
    }
    const float walkerRight = walker.GetOwnerTransform()->position.x + 10.0f;
    // It reaches the wall and overlaps it by at most one step of travel.
    EXPECT_GE(walkerRight, wallLeft - 2.0f) << "wall mass " << wallMass;
    EXPECT_LE(walkerRight, wallLeft + 2.0f) << "wall mass " << wallMass;
    EXPECT_EQ(wall.GetOwnerTransform()->position, Vec3(100, 0, 0)) << "wall mass " << wallMass;
  }
}

}  // namespace
