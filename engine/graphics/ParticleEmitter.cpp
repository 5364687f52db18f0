#include "engine/graphics/ParticleEmitter.h"

#include <cmath>
#include <iostream>

#include "engine/core/XMLSerializer.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/ParticleSystem.h"
#include "engine/graphics/Sprite.h"
#include "engine/platform/Platform.h"

namespace Framework {

namespace {
constexpr float kDegreesToRadians = 3.14159265358979f / 180.0f;

// A count read as a signed number, so a negative one is caught, not wrapped.
void ReadCount(TiXmlElement* element, const std::string& key, unsigned& out, int highest,
                                unsigned fallback, const std::string& file) {
  int value = static_cast<int>(out);
  if (!ReadElement(element, value, key)) return;
  if (value < 0 || value > highest) {
    std::cerr << "Error: ParticleEmitter " << key << " " << value << " in " << file << " is outside 0 to "
              << highest << "; " << fallback << " is used." << std::endl;
    value = static_cast<int>(fallback);
  }
  out = static_cast<unsigned>(value);
}

}  // namespace

float RandomRange::Draw() {
  const float unit = static_cast<float>(engine()) * 2.3283064e-10f;  // 2^-32
  return low + (high - low) * unit;
}

ParticleEmitter::ParticleEmitter(GameObject* emitterOwner)
    : ToggleableGameComponent(emitterOwner, ComponentId::ParticleEmitter) {
  SeedGenerators();
  GetParticleSystem().AddEmitter(this);
}

ParticleEmitter::~ParticleEmitter() { GetParticleSystem().RemoveEmitter(this); }

void ParticleEmitter::SeedGenerators() {
  // One clock reading, but a different seed each, so scale, speed,
  // direction and lifetime are independent draws.
  const auto ticks = static_cast<uint32_t>(Platform::Ticks());
  scaleRandom.Seed(ticks);
  speedRandom.Seed(ticks + 1);
  directionRandom.Seed(ticks + 2);
  lifetimeRandom.Seed(ticks + 3);
}

void ParticleEmitter::RestartClockAndRanges() {
  const float lifetime = settings.emitterLifetime;
  age = Utility::LerpStartEnd<float>(0.0f, lifetime, Utility::Linear, lifetime);
  scaleRandom.SetRange(settings.particleScaleMin, settings.particleScaleMax);
  speedRandom.SetRange(settings.particleSpeedMin, settings.particleSpeedMax);
  directionRandom.SetRange(settings.particleDirectionMin, settings.particleDirectionMax);
  lifetimeRandom.SetRange(settings.particleLifetimeMin, settings.particleLifetimeMax);
}

void ParticleEmitter::FillPool() {
  free.resize(settings.maxParticles);
  for (auto& slot : free) slot = std::make_shared<Particle>();
}

void ParticleEmitter::Configure(const EmitterSettings& newSettings) {
  settings = newSettings;
  RestartClockAndRanges();
  FillPool();
}

void ParticleEmitter::Reset() { RestartClockAndRanges(); }

void ParticleEmitter::Deserialize(XMLSerializer& serializer) {
  TiXmlElement* element = serializer.GetCursor();
  const std::string file = serializer.GetFileName();
  EmitterSettings read = settings;
  ReadElement(element, read.offset, "offset");
  ReadElement(element, read.particleScaleMin, "particleScaleMin");
  ReadElement(element, read.particleScaleMax, "particleScaleMax");
  ReadElement(element, read.particleSpeedMin, "particleSpeedMin");
  ReadElement(element, read.particleSpeedMax, "particleSpeedMax");
  ReadElement(element, read.particleDirectionMin, "particleDirectionMin");
  ReadElement(element, read.particleDirectionMax, "particleDirectionMax");
  ReadElement(element, read.particleLifetimeMin, "particleLifetimeMin");
  ReadElement(element, read.particleLifetimeMax, "particleLifetimeMax");
  ReadElement(element, read.particleColorStart, "particleColorStart");
  ReadElement(element, read.particleColorEnd, "particleColorEnd");
  ReadElement(element, read.textureID, "textureID");
  ReadCount(element, "maxParticles", read.maxParticles, kMaxPool, 100, file);
  ReadCount(element, "emissionRate", read.emissionRate, kMaxPool, 0, file);
  ReadCount(element, "particleLayer", read.particleLayer, GraphicsSystem::kLayerCount - 1, 0, file);
  ReadElement(element, read.emitterLifetime, "emitterLifetime");
  ReadElement(element, read.loopEmission, "loopEmission");
  Configure(read);
}

void ParticleEmitter::Serialize(XMLSerializer& serializer) {
  TiXmlElement* parent = serializer.GetCursor();
  if (parent == nullptr) return;
  AppendField(parent, "offset", "Vec2", settings.offset);
  AppendField(parent, "particleScaleMin", "float", settings.particleScaleMin);
  AppendField(parent, "particleScaleMax", "float", settings.particleScaleMax);
  AppendField(parent, "particleSpeedMin", "float", settings.particleSpeedMin);
  AppendField(parent, "particleSpeedMax", "float", settings.particleSpeedMax);
  AppendField(parent, "particleDirectionMin", "float", settings.particleDirectionMin);
  AppendField(parent, "particleDirectionMax", "float", settings.particleDirectionMax);
  AppendField(parent, "particleLifetimeMin", "float", settings.particleLifetimeMin);
  AppendField(parent, "particleLifetimeMax", "float", settings.particleLifetimeMax);
  AppendField(parent, "particleColorStart", "Vec4", settings.particleColorStart);
  AppendField(parent, "particleColorEnd", "Vec4", settings.particleColorEnd);
  AppendField(parent, "textureID", "string", settings.textureID);
  AppendField(parent, "maxParticles", "int", static_cast<int>(settings.maxParticles));
  AppendField(parent, "emissionRate", "int", static_cast<int>(settings.emissionRate));
  AppendField(parent, "particleLayer", "int", static_cast<int>(settings.particleLayer));
  AppendField(parent, "emitterLifetime", "float", settings.emitterLifetime);
  AppendField(parent, "loopEmission", "bool", settings.loopEmission);
}

void ParticleEmitter::SetEnabled(bool on) {
  enabled = on;
  if (!on) return;
  age.done = false;
  age.elapsed = 0.0f;
}

GameComponent* ParticleEmitter::Clone(GameObject* newOwner) {
  auto* copy = new ParticleEmitter(newOwner);
  copy->Configure(settings);
  return copy;
}

void ParticleEmitter::UpdateEmitter(float dt) {
  if (enabled) {
    if (!settings.loopEmission) {
      if (!age.done) {
        age.elapsed += dt;
        if (age.elapsed >= age.duration) age.done = true;
      }
      if (age.done) SetEnabled(false);
    }
    Emit(settings.emissionRate);
  }
  for (auto it = active.begin(); it != active.end();) {
    (*it)->Update(dt);
    if ((*it)->active) {
      ++it;
      continue;
    }
    auto expired = it++;
    free.splice(free.end(), active, expired);
  }
}

void ParticleEmitter::Emit(unsigned count) {
  if (active.size() >= settings.maxParticles) return;
  size_t n = std::min<size_t>(count, settings.maxParticles - active.size());
  // Never more than the pool holds, whatever the settings say.
  n = std::min(n, free.size());
  auto end = free.begin();
  for (size_t i = 0; i < n; ++i, ++end) SpawnParticle(**end);
  active.splice(active.end(), free, free.begin(), end);
}

void ParticleEmitter::SpawnParticle(Particle& particle) {
  particle.CreateSprite(owner, static_cast<int>(settings.particleLayer));
  const float size = scaleRandom.Draw();
  const float a1 = directionRandom.Draw() * kDegreesToRadians;
  const float a2 = directionRandom.Draw() * kDegreesToRadians;
  const float speed = speedRandom.Draw();
  const Math::Vec2 velocity(std::cos(a1) * speed, std::sin(a2) * speed);
  const float lifetime = lifetimeRandom.Draw();
  particle.Init(settings.offset, Math::Vec2(size, size), velocity, lifetime, settings.particleColorStart,
                settings.particleColorEnd, settings.textureID);
  particle.SetActive(true);
}

}  // namespace Framework
