#include <gtest/gtest.h>

#include <memory>

#include "engine/physics/Physics.h"
#include "support/PhysicsWorld.h"

using namespace Framework;
using Math::Vec3;
using TestSupport::PhysicsWorld;

namespace {

TEST(Body, FrictionScalesTheVelocityEveryStep) {
  GameObject object;
  Body body(&object);
  body.velocity = Vec3(2, -1, 0);
  body.Friction = 1.0f;
  body.Integrate(Physics::kStep);
  EXPECT_EQ(body.velocity, Vec3(2, -1, 0));
  EXPECT_EQ(body.mPosition, Vec3(2, -1, 0));  // velocity is per step, not per second

  body.Friction = 0.0f;
  body.Integrate(Physics::kStep);
  EXPECT_EQ(body.velocity, Vec3());
  EXPECT_EQ(body.prevVelocity, Vec3(2, -1, 0));
  EXPECT_EQ(body.mPosition, Vec3());  // started again from the untouched transform

  body.Friction = 0.5f;
  body.mAcceleration = Vec3(60, 0, 0);
  body.Integrate(Physics::kStep);
  EXPECT_NEAR(body.velocity.x, 0.5f, 1e-5f);
}

TEST(Body, IntegrationStartsFromTheTransform) {
  GameObject object(Vec3(10, 20, 1));
  Body body(&object);
  body.Friction = 1.0f;
  body.velocity = Vec3(1, 1, 0);
  body.colliding = true;
  body.Integrate(Physics::kStep);
  EXPECT_EQ(body.prevPosition, Vec3(10, 20, 1));
  EXPECT_EQ(body.mPosition, Vec3(11, 21, 1));
  EXPECT_FALSE(body.colliding);
}

TEST(Body, InverseMassComesFromMass) {
  PhysicsWorld world;
  Body& heavy = PhysicsWorld::BodyOf(world.AddBox({Vec3(), 1, 1}));
  heavy.Mass = 2.0f;
  heavy.InvMass = 9.0f;
  heavy.Initialize();
  EXPECT_FLOAT_EQ(heavy.InvMass, 0.5f);
  heavy.Mass = 0.0f;
  heavy.Initialize();
  EXPECT_FLOAT_EQ(heavy.InvMass, 0.0f);
  EXPECT_EQ(GetPhysics().Bodies().size(), 1u);  // joining twice changes nothing
}

TEST(Body, CloneKeepsMotionButNotTheLayer) {
  GameObject original(Vec3(1, 2, 3)), copy;
  Body body(&original);
  body.mPosition = Vec3(4, 5, 6);
  body.velocity = Vec3(1, 0, 0);
  body.prevVelocity = Vec3(3, 3, 3);
  body.Mass = 4.0f;
  body.InvMass = 0.25f;
  body.Friction = 0.9f;
  body.mIsStatic = true;
  body.layer_id = 2;
  std::unique_ptr<GameComponent> component(body.Clone(&copy));
  auto& clone = static_cast<Body&>(*component);
  EXPECT_EQ(clone.GetOwner(), &copy);
  EXPECT_EQ(clone.mPosition, Vec3(4, 5, 6));
  EXPECT_EQ(clone.velocity, Vec3(1, 0, 0));
  EXPECT_EQ(clone.prevVelocity, Vec3());
  EXPECT_FLOAT_EQ(clone.InvMass, 0.25f);
  EXPECT_FLOAT_EQ(clone.Friction, 0.9f);
  EXPECT_TRUE(clone.mIsStatic);
  EXPECT_EQ(clone.layer_id, 0u);
  EXPECT_EQ(clone.shape, nullptr);
}

TEST(Body, DestroyedBodiesLeaveTheStep) {
  GetPhysics().ClearScene();
  {
    auto object = std::make_shared<GameObject>();
    auto body = std::make_shared<Body>(object.get());
    object->AddComponent(body);
    object->InitializeComponents();
    EXPECT_EQ(GetPhysics().Bodies().size(), 1u);
    EXPECT_EQ(body->shape, nullptr);
  }
  EXPECT_TRUE(GetPhysics().Bodies().empty());
}

}  // namespace
