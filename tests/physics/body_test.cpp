#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "engine/physics/Physics.h"
#include "support/PhysicsWorld.h"

using namespace Framework;
using Math::Vec3;

namespace {

TEST(Body, IntegratesFromTheTransformWithFriction) {
  GameObject object(Vec3(10, 20, 1));
  Body body(&object);
  body.velocity = Vec3(2, -1, 0);
  body.Friction = 1.0f;
  body.colliding = true;
  body.Integrate(Physics::kStep);
  EXPECT_EQ(body.velocity, Vec3(2, -1, 0));
  EXPECT_EQ(body.prevPosition, Vec3(10, 20, 1));
  EXPECT_EQ(body.mPosition, Vec3(12, 19, 1));  // velocity is per step, not per second
  EXPECT_FALSE(body.colliding);

  object.GetTransform().position = Vec3(0, 0, 0);  // moved by game code
  body.Friction = 0.0f;
  body.Integrate(Physics::kStep);
  EXPECT_EQ(body.velocity, Vec3());
  EXPECT_EQ(body.mPosition, Vec3());
  EXPECT_TRUE(body.mUseGravity);  // asked for, but the game plays without gravity
}

TEST(Body, InverseMassComesFromMassAndJoiningTwiceIsOnce) {
  TestSupport::PhysicsWorld world;
  Body& body = TestSupport::PhysicsWorld::BodyOf(world.AddBox({Vec3(), 1, 1}));
  body.Mass = 2.0f;
  body.InvMass = 9.0f;
  body.Initialize();
  EXPECT_FLOAT_EQ(body.InvMass, 0.5f);
  body.Mass = 0.0f;
  body.Initialize();
  EXPECT_FLOAT_EQ(body.InvMass, 0.0f);
  EXPECT_EQ(GetPhysics().Bodies().size(), 1u);
  // Masses with no finite inverse give an immovable body, never NaN or infinity.
  for (const float mass : {std::numeric_limits<float>::quiet_NaN(), 1e-40f}) {
    body.Mass = mass;
    body.Initialize();
    EXPECT_EQ(body.InvMass, 0.0f) << mass;
  }
}

TEST(Body, CloneKeepsMotionButNotTheLayer) {
  GameObject original, copyOwner;
  Body body(&original);
  body.velocity = Vec3(1, 0, 0);
  body.prevVelocity = Vec3(3, 3, 3);
  body.InvMass = 0.25f;
  body.layer_id = 2;
  std::unique_ptr<GameComponent> component(body.Clone(&copyOwner));
  const Body& clone = static_cast<Body&>(*component);
  EXPECT_EQ(clone.GetOwner(), &copyOwner);
  EXPECT_EQ(clone.velocity, Vec3(1, 0, 0));
  EXPECT_EQ(clone.prevVelocity, Vec3());
  EXPECT_FLOAT_EQ(clone.InvMass, 0.25f);
  EXPECT_EQ(clone.layer_id, 0u);
}

TEST(Body, ADestroyedBodyLeavesTheStep) {
  GetPhysics().ClearScene();
  {
    auto object = std::make_shared<GameObject>();
    object->AddComponent(std::make_shared<Body>(object.get()));
    object->InitializeComponents();
    EXPECT_EQ(GetPhysics().Bodies().size(), 1u);
  }
  EXPECT_TRUE(GetPhysics().Bodies().empty());
}

}  // namespace
