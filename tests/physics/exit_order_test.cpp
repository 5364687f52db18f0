// Objects that outlive the physics and debug systems at program exit (an
// exit path that skips the factory's shutdown) must not reach into them.
#include <gtest/gtest.h>

#include <memory>

#include "engine/physics/Physics.h"
#include "engine/physics/Sphere.h"
#include "support/PhysicsWorld.h"

namespace {

// Built before the systems, so destroyed after them.
std::shared_ptr<Framework::GameObject> survivor;

TEST(ExitOrder, ComponentsDestroyedAfterTheSystemsLeaveThemAlone) {
  survivor = std::make_shared<Framework::GameObject>();
  survivor->AddComponent(std::make_shared<Framework::Body>(survivor.get()));
  survivor->AddComponent(std::make_shared<Framework::AABB>(survivor.get()));
  survivor->AddComponent(std::make_shared<Framework::Sphere>(survivor.get()));
  survivor->InitializeComponents();
  EXPECT_TRUE(Framework::PhysicsAvailable());
  EXPECT_EQ(Framework::GetPhysics().Bodies().size(), 1u);
}

}  // namespace
