#pragma once
// A component that owns a fixed pool of particles and activates some of
// them every frame at its object's position.
#include <list>
#include <memory>
#include <random>
#include <string>

#include "engine/core/GameComponent.h"
#include "engine/core/Lerp.h"
#include "engine/core/Vector.h"
#include "engine/graphics/Particle.h"

namespace Framework {

// A seeded generator with its uniform range [low, high).
class RandomRange {
 public:
  void Seed(uint32_t seed) { engine.seed(seed); }
  void SetRange(float lowValue, float highValue) {
    low = lowValue;
    high = highValue;
  }
  float Draw();

 private:
  std::mt19937 engine;
  float low = 0.0f;
  float high = 1.0f;
};

struct EmitterSettings {
  Math::Vec2 offset{0, 0};
  float particleScaleMin = 0, particleScaleMax = 0;
  float particleSpeedMin = 0, particleSpeedMax = 0;
  float particleDirectionMin = 0, particleDirectionMax = 0;
  float particleLifetimeMin = 0, particleLifetimeMax = 0;
  Math::Vec4 particleColorStart{0, 0, 0, 0};
  Math::Vec4 particleColorEnd{0, 0, 0, 0};
  std::string textureID;
  unsigned maxParticles = 100;
  unsigned emissionRate = 0;
  unsigned particleLayer = 0;
  float emitterLifetime = 0;
  bool loopEmission = false;
};

class ParticleEmitter : public ToggleableGameComponent {
 public:
  // The largest pool an archetype may ask for.
  static constexpr int kMaxPool = 10000;

  explicit ParticleEmitter(GameObject* owner);
  ~ParticleEmitter() override;

  void Serialize(XMLSerializer& serializer) override;
  void Deserialize(XMLSerializer& serializer) override;
  void Reset() override;
  std::string GetTypeName() override { return "ParticleEmitter"; }
  void SetEnabled(bool on) override;
  GameComponent* Clone(GameObject* newOwner) override;
  virtual void UpdateEmitter(float dt);

  // Applies settings as reading does: clock, ranges and a fresh pool.
  void Configure(const EmitterSettings& newSettings);
  void Emit(unsigned count);

  EmitterSettings settings;
  std::list<std::shared_ptr<Particle>> active;
  std::list<std::shared_ptr<Particle>> free;
  Utility::LerpStartEnd<float> age;

 private:
  void SeedGenerators();
  void RestartClockAndRanges();
  void FillPool();
  void SpawnParticle(Particle& particle);

  RandomRange scaleRandom, speedRandom, directionRandom, lifetimeRandom;
};

}  // namespace Framework
