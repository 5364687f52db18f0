#include "engine/graphics/ParticleSystem.h"

#include <algorithm>

#include "engine/graphics/ParticleEmitter.h"

namespace Framework {

namespace {
// Emitters that outlive the system at exit must not reach its list.
bool particleSystemDestroyed = false;
}  // namespace

ParticleSystem::~ParticleSystem() { particleSystemDestroyed = true; }

void ParticleSystem::Update(float dt) {
  // By index: an emitter's update may build or drop other objects.
  for (size_t i = 0; i < emitters.size(); ++i) emitters[i]->UpdateEmitter(dt);
}

void ParticleSystem::AddEmitter(ParticleEmitter* emitter) { emitters.push_back(emitter); }

void ParticleSystem::RemoveEmitter(ParticleEmitter* emitter) {
  if (particleSystemDestroyed) return;
  auto found = std::find(emitters.begin(), emitters.end(), emitter);
  if (found != emitters.end()) emitters.erase(found);
}

ParticleSystem& GetParticleSystem() {
  static ParticleSystem instance;
  return instance;
}

}  // namespace Framework
