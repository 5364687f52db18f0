#pragma once
#include "engine/core/System.h"

namespace Framework {

// Minimal system: its own issue fills it in.
class ParticleSystem : public System {
 public:
  std::string GetName() override { return "ParticleSystem"; }
  void Update(float) override {}
};

ParticleSystem& GetParticleSystem();

}  // namespace Framework
