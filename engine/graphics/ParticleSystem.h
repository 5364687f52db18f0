#pragma once
// Drives every live particle emitter once per frame.
#include <vector>

#include "engine/core/System.h"

namespace Framework {

class ParticleEmitter;

class ParticleSystem : public System {
 public:
  ~ParticleSystem() override;
  std::string GetName() override { return "ParticleSystem"; }
  void Update(float dt) override;

  void AddEmitter(ParticleEmitter* emitter);
  void RemoveEmitter(ParticleEmitter* emitter);

  std::vector<ParticleEmitter*> emitters;
};

ParticleSystem& GetParticleSystem();

}  // namespace Framework
