#pragma once
// One pooled particle: a sprite that moves in world space and fades from a
// start to an end colour over its lifetime.
#include <memory>
#include <string>

#include "engine/core/Lerp.h"
#include "engine/core/Vector.h"

namespace Framework {

class GameObject;
class Sprite;

class Particle {
 public:
  Particle();
  ~Particle();
  Particle(const Particle&) = delete;
  Particle& operator=(const Particle&) = delete;

  void Init(const Math::Vec2& startPosition, const Math::Vec2& startScale, const Math::Vec2& startVelocity,
            float lifetime, const Math::Vec4& colourStart, const Math::Vec4& colourEnd,
            const std::string& texture);
  // Switching on places the particle at its offset from the owner (making
  // its position a world position) and shows its sprite.
  void SetActive(bool on);
  void Update(float dt);
  // Made once, on the owner, in the given layer; kept across uses.
  void CreateSprite(GameObject* owner, int layer);

  Math::Vec2 position;
  Math::Vec2 scale;
  Math::Vec2 velocity;
  Utility::LerpStartEnd<float> age;
  Utility::LerpStartEnd<Math::Vec4> colour;
  std::string textureID;
  std::unique_ptr<Sprite> sprite;
  bool active = false;

 private:
  Math::Vec2 OwnerPosition() const;
};

}  // namespace Framework
