#include <gtest/gtest.h>

#include <memory>

#include "engine/graphics/Debug.h"
#include "engine/physics/OBB.h"
#include "engine/physics/Physics.h"
#include "engine/physics/Sphere.h"
#include "support/PhysicsWorld.h"

using namespace Framework;
using Math::Vec3;

namespace {

TEST(Shapes, BoxQueriesWorkInTheBoxFrame) {
  GameObject object(Vec3(5, 5, 0));
  AABB box(&object);
  box.mCenter = Vec3(10, 0, 0);
  box.mRadiusX = 2.0f;
  box.mRadiusY = 1.0f;
  EXPECT_EQ(box.GetMin(), Vec3(13, 4, 0));
  EXPECT_EQ(box.GetMax(), Vec3(17, 6, 0));
  EXPECT_TRUE(box.ContainsPoint(Vec3(12, 1, 0)));  // on the corner
  EXPECT_FALSE(box.ContainsPoint(Vec3(12.01f, 0, 0)));
  EXPECT_EQ(box.ClosestPoint(Vec3(11, 0.5f, 7)), Vec3(11, 0.5f, 7));  // inside: itself
  EXPECT_EQ(box.ClosestPoint(Vec3(20, -5, 7)), Vec3(12, -1, 7));
  EXPECT_FLOAT_EQ(box.DistanceSquared(Vec3(15, 3, 0)), 9.0f + 4.0f);
}

TEST(Shapes, SphereClosestPointIsAlwaysOnTheCircle) {
  GameObject object;
  Sphere circle(&object);
  circle.mCenter = Vec3(1, 1, 0);
  circle.mRadius = 2.0f;
  EXPECT_TRUE(circle.ContainsPoint(Vec3(1, 2.9f, 0)));
  EXPECT_FALSE(circle.ContainsPoint(Vec3(1, 3.1f, 0)));
  EXPECT_EQ(circle.ClosestPoint(Vec3(1, 1.5f, 0)), Vec3(1, 3, 0));  // from inside, outwards
  EXPECT_EQ(circle.ClosestPoint(Vec3(1, 1, 0)), Vec3(3, 1, 0));    // the centre: no NaN
  EXPECT_FLOAT_EQ(circle.DistanceSquared(Vec3(5, 1, 0)), 4.0f);
}

TEST(Shapes, ListedFromConstructionAndCloneToDestruction) {
  GetPhysics().ClearScene();
  GetDebug().ClearShapes();
  GameObject first, second;
  {
    AABB box(&first);
    box.mRadiusX = 4.0f;
    box.enabled = false;
    Sphere circle(&first);
    OBB oriented(&first);
    std::unique_ptr<GameComponent> copy(box.Clone(&second));
    EXPECT_EQ(static_cast<AABB&>(*copy).mRadiusX, 4.0f);
    EXPECT_TRUE(static_cast<AABB&>(*copy).enabled);
    EXPECT_EQ(GetDebug().Shapes().size(), 4u);
    EXPECT_EQ(GetPhysics().Shapes().size(), 2u);  // circles and oriented boxes stay out of the sweep
  }
  EXPECT_TRUE(GetDebug().Shapes().empty());
  EXPECT_TRUE(GetPhysics().Shapes().empty());
}

}  // namespace
