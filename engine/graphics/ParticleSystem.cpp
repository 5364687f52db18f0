#include "engine/graphics/ParticleSystem.h"

namespace Framework {

ParticleSystem& GetParticleSystem() {
  static ParticleSystem instance;
  return instance;
}

}  // namespace Framework
