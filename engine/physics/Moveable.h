#pragma once
#include <memory>

#include "engine/core/GameComponent.h"
#include "engine/core/Vector.h"

namespace Framework {
class Body;
}

// Steers an object's body: turns a target point or a compass angle into a
// velocity of fixed magnitude that the physics step then applies. Every
// operation does nothing once the body is gone.
class Moveable : public Framework::GameComponent {
 public:
  explicit Moveable(Framework::GameObject* owner);
  Moveable& operator=(const Moveable&) = delete;

  // Keeps a weak reference to the owner's body.
  void Initialize() override;
  // Message 9 stops the object.
  void SendMessage(Framework::Message* message) override;
  void Serialize(Framework::XMLSerializer& serializer) override;
  void Deserialize(Framework::XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "Moveable"; }
  // Copies the speeds; the body is found again at Initialize.
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override;

  // Bends the velocity towards the target and sets its length to
  // mSpeed * the frame time. A target at the body's position changes nothing.
  void MoveTowards(const Math::Vector3<float>& target);
  // 0 degrees is +x, 90 is +y.
  void MoveInDirection(float degrees);
  void Stop();

  static Math::Vector3<float> Up() { return Math::Vector3<float>(0.0f, 1.0f, 0.0f); }
  static Math::Vector3<float> Down() { return Math::Vector3<float>(0.0f, -1.0f, 0.0f); }
  static Math::Vector3<float> Left() { return Math::Vector3<float>(-1.0f, 0.0f, 0.0f); }
  static Math::Vector3<float> Right() { return Math::Vector3<float>(1.0f, 0.0f, 0.0f); }

  float mSpeed = 0.0f;     // world units per second
  float mMaxSpeed = 0.0f;  // kept with the settings; movement does not use it

 private:
  Moveable(const Moveable& other, Framework::GameObject* newOwner);

  std::weak_ptr<Framework::Body> body;
};
