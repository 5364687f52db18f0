#include "engine/physics/Moveable.h"

#include <cmath>

#include "engine/core/Engine.h"
#include "engine/physics/Body.h"
#include "engine/physics/PhysicsArchetype.h"

using Framework::Body;

Moveable::Moveable(Framework::GameObject* owner)
    : GameComponent(owner, Framework::ComponentId::Moveable) {}

Moveable::Moveable(const Moveable& other, Framework::GameObject* newOwner)
    : GameComponent(newOwner, Framework::ComponentId::Moveable),
      mSpeed(other.mSpeed),
      mMaxSpeed(other.mMaxSpeed) {}

Framework::GameComponent* Moveable::Clone(Framework::GameObject* newOwner) {
  return new Moveable(*this, newOwner);
}

void Moveable::Initialize() {
  body = std::dynamic_pointer_cast<Body>(GetComponent(Framework::ComponentId::Body));
}

void Moveable::SendMessage(Framework::Message* message) {
  if (message && message->id == Framework::MSG_STOP_MOVING) Stop();
}

void Moveable::Serialize(Framework::XMLSerializer& serializer) {
  PhysicsArchetype::WriteMoveable(serializer, *this);
}

void Moveable::Deserialize(Framework::XMLSerializer& serializer) {
  PhysicsArchetype::ReadMoveable(serializer, *this);
}

void Moveable::MoveTowards(const Math::Vector3<float>& target) {
  const std::shared_ptr<Body> held = body.lock();
  if (!held) return;
  const Math::Vector3<float> towards = target - held->mPosition;
  if (!(towards.x * towards.x + towards.y * towards.y + towards.z * towards.z > 0.0f)) return;
  const float step = mSpeed * Framework::GetEngine().dt;
  held->velocity += towards / Math::Length(towards) * step;
  const float length = Math::Length(held->velocity);
  if (length != 0.0f) held->velocity = held->velocity / length * step;
}

void Moveable::MoveInDirection(float degrees) {
  const std::shared_ptr<Body> held = body.lock();
  if (!held) return;
  const float radians = static_cast<float>(degrees * 0.017453292519943295);
  const Math::Vector3<float> offset(std::cos(radians) * mSpeed, std::sin(radians) * mSpeed, 0.0f);
  MoveTowards(held->mPosition + offset);
}

void Moveable::Stop() {
  const std::shared_ptr<Body> held = body.lock();
  if (!held) return;
  held->mAcceleration = Math::Vector3<float>();
  held->velocity = Math::Vector3<float>();
}
