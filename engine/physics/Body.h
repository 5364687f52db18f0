#pragma once
#include <cmath>
#include <cstdint>

#include "engine/core/GameComponent.h"
#include "engine/core/Vector.h"

namespace Framework {

class Shape;

// Gives a game object a simulated position and velocity. The physics step
// integrates it, pushes it out of contacts and writes its position back into
// the owner's transform. Velocity is in world units per step.
class Body : public GameComponent {
 public:
  explicit Body(GameObject* owner);
  ~Body() override;
  Body& operator=(const Body&) = delete;

  // Finds the owner's first shape, derives InvMass from Mass and joins the
  // physics body set (a set: joining twice changes nothing).
  void Initialize() override;
  void Shutdown() override;
  void Serialize(XMLSerializer& serializer) override;
  // Reads the stored fields; a stored InvMass is always replaced by 1 / Mass.
  void Deserialize(XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "Body"; }
  // Copies the motion and material; the layer starts at 0 and the shape is
  // found again at Initialize.
  GameComponent* Clone(GameObject* newOwner) override;

  // Advances one fixed step from the owner transform's position.
  void Integrate(float step);
  // A mass of 0, and one whose inverse is not a finite number (NaN, or too
  // small to invert), gives an immovable body rather than a push of NaN or
  // infinity that would carry into every body it touches.
  void RecomputeInverseMass() {
    const float inverse = Mass == 0.0f ? 0.0f : 1.0f / Mass;
    InvMass = std::isfinite(inverse) ? inverse : 0.0f;
  }

  Math::Vector3<float> mPosition;
  Math::Vector3<float> prevPosition;
  Math::Vector3<float> mAcceleration;
  Math::Vector3<float> velocity;
  Math::Vector3<float> prevVelocity;
  float Mass = 0.0f;
  float InvMass = 0.0f;
  float Restitution = 0.0f;
  float Friction = 0.0f;  // 1 keeps the velocity, 0 stops the body each step
  Shape* shape = nullptr;
  bool mUseGravity = true;
  bool mIsStatic = false;
  uint32_t layer_id = 0;
  bool colliding = false;

 private:
  Body(const Body& other, GameObject* newOwner);
};

}  // namespace Framework
