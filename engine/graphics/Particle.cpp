#include "engine/graphics/Particle.h"

#include "engine/core/GameObject.h"
#include "engine/core/Transform.h"
#include "engine/graphics/Sprite.h"

namespace Framework {

namespace {

// Advances a tween's clock the way the lifetime clocks run: stop once done.
template <typename T>
void Advance(Utility::LerpStartEnd<T>& clock, float dt) {
  if (clock.done) return;
  clock.elapsed += dt;
  if (clock.elapsed >= clock.duration) clock.done = true;
}

}  // namespace

Particle::Particle() = default;
Particle::~Particle() = default;

void Particle::CreateSprite(GameObject* owner, int layer) {
  if (!sprite) sprite = std::make_unique<Sprite>(owner, Math::Vec2(0, 0), Math::Vec2(0, 0), 0.0f, layer);
}

void Particle::Init(const Math::Vec2& startPosition, const Math::Vec2& startScale, const Math::Vec2& startVelocity,
                    float lifetime, const Math::Vec4& colourStart, const Math::Vec4& colourEnd,
                    const std::string& texture) {
  position = startPosition;
  scale = startScale;
  velocity = startVelocity;
  age = Utility::LerpStartEnd<float>(0.0f, lifetime, Utility::Linear, lifetime);
  colour = Utility::LerpStartEnd<Math::Vec4>(colourStart, colourEnd, Utility::Linear, lifetime);
  textureID = texture;
}

Math::Vec2 Particle::OwnerPosition() const {
  const Transform* transform = sprite ? sprite->GetOwnerTransform() : nullptr;
  return transform ? Math::Vec2(transform->position.x, transform->position.y) : Math::Vec2(0, 0);
}

void Particle::SetActive(bool on) {
  active = on;
  if (!sprite) return;
  sprite->SetEnabled(on);
  if (!on) return;
  age.elapsed = 0.0f;
  age.done = false;
  colour.elapsed = 0.0f;
  colour.done = false;
  sprite->position = position;
  position += OwnerPosition();
  sprite->size = scale;
  sprite->SetTexture(textureID);
}

void Particle::Update(float dt) {
  Advance(age, dt);
  Advance(colour, dt);
  if (sprite) {
    position += velocity * dt;
    sprite->position = position - OwnerPosition();
    sprite->colour = colour.GetValue();
  }
  if (age.done) SetActive(false);
}

}  // namespace Framework
