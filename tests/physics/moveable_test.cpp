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
  Steering() : savedDt(GetEngine().dt), object(std::make_shared<GameObject>()) {
    GetEngine().dt = 0.016f;
    auto ownBody = std::make_shared<Body>(object.get());
    moveable = std::make_shared<Moveable>(object.get());
    moveable->mSpeed = 100.0f;
    object->AddComponent(moveable);
    object->AddComponent(ownBody);
    object->InitializeComponents();
    body = ownBody.get();
  }
  ~Steering() override {
    if (object) object->ShutdownComponents();
    GetEngine().dt = savedDt;
  }
  float savedDt;
  std::shared_ptr<GameObject> object;
  std::shared_ptr<Moveable> moveable;
  Body* body = nullptr;
};

TEST_F(Steering, FromRestTheVelocityPointsAtTheTarget) {
  body->mPosition = Vec3(10, 10, 0);
  moveable->MoveTowards(Vec3(10, 50, 0));
  EXPECT_NEAR(body->velocity.x, 0.0f, 1e-6f);
  EXPECT_NEAR(body->velocity.y, 1.6f, 1e-5f);

  moveable->MoveTowards(Vec3(10, 10, 0));  // the body's own position: unchanged
  EXPECT_NEAR(body->velocity.y, 1.6f, 1e-5f);
  moveable->mSpeed = 0.0f;
  moveable->MoveInDirection(0.0f);  // no speed, no target: unchanged
  EXPECT_NEAR(body->velocity.y, 1.6f, 1e-5f);
}

TEST_F(Steering, TheOldVelocityBendsTowardsTheTarget) {
  body->velocity = Vec3(0, -1.6f, 0);
  moveable->MoveInDirection(0.0f);  // +x
  EXPECT_NEAR(Math::Length(body->velocity), 1.6f, 1e-5f);
  EXPECT_NEAR(body->velocity.x, -body->velocity.y, 1e-5f);  // halfway between
  EXPECT_GT(body->velocity.x, 0.0f);
}

TEST_F(Steering, StopMessageZeroesVelocityAndAcceleration) {
  body->velocity = Vec3(1, 2, 0);
  body->mAcceleration = Vec3(3, 0, 0);
  Message other(MSG_DEBUG_ON);
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
  object.reset();  // the object and its body go; the test still holds the moveable
  ASSERT_TRUE(watch.expired());
  moveable->MoveTowards(Vec3(100, 0, 0));
  moveable->MoveInDirection(45.0f);
  Message stop(MSG_STOP_MOVING);
  moveable->SendMessage(&stop);
}

}  // namespace
