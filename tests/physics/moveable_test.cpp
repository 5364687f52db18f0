#include <gtest/gtest.h>

#include <memory>

#include "engine/core/Engine.h"
#include "engine/physics/Moveable.h"
#include "support/PhysicsWorld.h"

using namespace Framework;
using Math::Vec3;

namespace {

class Steering : public ::testing::Test {
 protected:
  Steering() {
    savedDt = GetEngine().dt;
    GetEngine().dt = 0.016f;
    object = std::make_shared<GameObject>();
    auto ownBody = std::make_shared<Body>(object.get());
    auto ownMoveable = std::make_shared<Moveable>(object.get());
    ownMoveable->mSpeed = 100.0f;
    object->AddComponent(ownMoveable);
    object->AddComponent(ownBody);
    object->InitializeComponents();
    body = ownBody.get();
    moveable = ownMoveable;
  }
  ~Steering() override {
    if (object) object->ShutdownComponents();
    GetEngine().dt = savedDt;
  }
  float savedDt = 0.0f;
  std::shared_ptr<GameObject> object;
  Body* body = nullptr;
  std::shared_ptr<Moveable> moveable;
};

TEST_F(Steering, FromRestTheVelocityPointsAtTheTarget) {
  body->mPosition = Vec3(10, 10, 0);
  moveable->MoveTowards(Vec3(10, 50, 0));
  EXPECT_NEAR(body->velocity.x, 0.0f, 1e-6f);
  EXPECT_NEAR(body->velocity.y, 1.6f, 1e-5f);
}

TEST_F(Steering, TheOldVelocityBendsTowardsTheTarget) {
  body->velocity = Vec3(0, -1.6f, 0);
  moveable->MoveTowards(Vec3(100, 0, 0));
  EXPECT_NEAR(Math::Length(body->velocity), 1.6f, 1e-5f);
  EXPECT_NEAR(body->velocity.x, body->velocity.y * -1.0f, 1e-5f);  // halfway between
  EXPECT_GT(body->velocity.x, 0.0f);
}

TEST_F(Steering, ATargetAtThePositionChangesNothing) {
  body->mPosition = Vec3(3, 4, 0);
  body->velocity = Vec3(0.5f, 0, 0);
  moveable->MoveTowards(Vec3(3, 4, 0));
  EXPECT_EQ(body->velocity, Vec3(0.5f, 0, 0));
}

TEST_F(Steering, DirectionsAreCompassDegrees) {
  moveable->MoveInDirection(90.0f);
  EXPECT_NEAR(body->velocity.x, 0.0f, 1e-5f);
  EXPECT_NEAR(body->velocity.y, 1.6f, 1e-5f);
  moveable->Stop();
  moveable->mSpeed = 0.0f;
  moveable->MoveInDirection(0.0f);
  EXPECT_EQ(body->velocity, Vec3());
}

TEST_F(Steering, StopMessageZeroesVelocityAndAcceleration) {
  body->velocity = Vec3(1, 2, 0);
  body->mAcceleration = Vec3(3, 0, 0);
  Message other(3);
  moveable->SendMessage(&other);
  EXPECT_EQ(body->velocity, Vec3(1, 2, 0));
  Message stop(MSG_STOP_MOVING);
  moveable->SendMessage(&stop);
  EXPECT_EQ(body->velocity, Vec3());
  EXPECT_EQ(body->mAcceleration, Vec3());
}

TEST_F(Steering, EveryCallIsANoOpOnceTheBodyIsGone) {
  std::weak_ptr<GameComponent> watch = object->GetComponent(ComponentId::Body);
  object->ShutdownComponents();
  object.reset();  // the object and its body are destroyed; we still hold the moveable
  ASSERT_TRUE(watch.expired());
  moveable->MoveTowards(Vec3(100, 0, 0));
  moveable->MoveInDirection(45.0f);
  moveable->Stop();
  Message stop(MSG_STOP_MOVING);
  moveable->SendMessage(&stop);
}

TEST_F(Steering, CloneCopiesTheSpeedsOnly) {
  moveable->mMaxSpeed = 7.0f;
  GameObject other;
  std::unique_ptr<GameComponent> copy(moveable->Clone(&other));
  auto& clone = static_cast<Moveable&>(*copy);
  EXPECT_EQ(clone.mSpeed, 100.0f);
  EXPECT_EQ(clone.mMaxSpeed, 7.0f);
  clone.MoveTowards(Vec3(1, 0, 0));  // no body until Initialize
  EXPECT_EQ(body->velocity, Vec3());
}

}  // namespace
