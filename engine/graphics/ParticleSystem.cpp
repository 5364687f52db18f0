#include "engine/graphics/ParticleSystem.h"

#include "engine/core/StaticInstance.h"
#include "engine/core/Vector.h"
#include "engine/graphics/ParticleEmitter.h"

namespace Framework {

ParticleSystem::~ParticleSystem() = default;

void ParticleSystem::Update(float dt) {
  // By index: an emitter's update may build or drop other objects.
  for (size_t i = 0; i < emitters.size(); ++i) emitters[i]->UpdateEmitter(dt);
}

void ParticleSystem::AddEmitter(ParticleEmitter* emitter) { emitters.push_back(emitter); }

// Emitters that outlive the system at exit must not reach its list.
void ParticleSystem::RemoveEmitter(ParticleEmitter* emitter) {
  if (!StaticInstance<ParticleSystem>::Alive()) return;
  Math::RemoveFromVector(emitters, emitter);
}

ParticleSystem& GetParticleSystem() { return StaticInstance<ParticleSystem>::Get(); }

}  // namespace Framework
