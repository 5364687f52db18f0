// Particle emitters with fixed ranges: pools, bursts, lifetimes and motion.
#include <gtest/gtest.h>

#include "engine/core/GameObject.h"
#include "engine/core/XMLSerializer.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/ParticleEmitter.h"
#include "engine/graphics/ParticleSystem.h"
#include "engine/graphics/Sprite.h"
#include "support/TestSupport.h"

namespace {

using Framework::EmitterSettings;
using Framework::ParticleEmitter;

EmitterSettings Fixed(unsigned maxParticles, unsigned rate, float lifetime) {
  EmitterSettings settings;
  settings.maxParticles = maxParticles;
  settings.emissionRate = rate;
  settings.particleLifetimeMin = settings.particleLifetimeMax = lifetime;
  settings.particleScaleMin = settings.particleScaleMax = 8;
  settings.particleSpeedMin = settings.particleSpeedMax = 100;
  settings.particleDirectionMin = settings.particleDirectionMax = 90;
  settings.particleColorStart = Math::Vec4(1, 1, 1, 1);
  settings.particleColorEnd = Math::Vec4(1, 1, 1, 0);
  settings.loopEmission = true;
  settings.textureID = "blank";
  return settings;
}

class ParticleTest : public ::testing::Test {
 protected:
  void TearDown() override { Framework::GetGraphicsSystem().ClearLayers(); }
  Framework::GameObject owner{Math::Vec3(100, 50, 0)};
};

TEST_F(ParticleTest, ActivationsPerFrameAreBoundedByThePool) {
  ParticleEmitter emitter(&owner);
  emitter.Configure(Fixed(10, 4, 10.0f));
  std::vector<size_t> activeAfter;
  for (int frame = 0; frame < 4; ++frame) {
    emitter.UpdateEmitter(0.016f);
    activeAfter.push_back(emitter.active.size());
  }
  EXPECT_EQ(activeAfter, (std::vector<size_t>{4, 8, 10, 10}));
  EXPECT_TRUE(emitter.free.empty());
}

TEST_F(ParticleTest, ExpiredParticlesReturnToThePoolAndAreReused) {
  ParticleEmitter emitter(&owner);
  emitter.Configure(Fixed(3, 3, 0.5f));
  emitter.UpdateEmitter(0.1f);
  ASSERT_EQ(emitter.active.size(), 3u);
  Framework::Sprite* firstSprite = emitter.active.front()->sprite.get();
  emitter.SetEnabled(false);
  for (int i = 0; i < 3; ++i) emitter.UpdateEmitter(0.1f);
  EXPECT_EQ(emitter.active.size(), 3u) << "0.4 s of a 0.5 s life";
  emitter.UpdateEmitter(0.1f);
  EXPECT_EQ(emitter.active.size(), 0u);
  EXPECT_EQ(emitter.free.size(), 3u);
  EXPECT_FALSE(emitter.free.front()->sprite->enabled) << "expired sprites are hidden";
  emitter.SetEnabled(true);
  emitter.UpdateEmitter(0.1f);
  EXPECT_EQ(emitter.active.front()->sprite.get(), firstSprite) << "pooled sprites are kept";
}

TEST_F(ParticleTest, ZeroLifetimeGivesOneBurstThenOff) {
  ParticleEmitter emitter(&owner);
  EmitterSettings settings = Fixed(20, 5, 10.0f);
  settings.loopEmission = false;
  settings.emitterLifetime = 0.0f;
  emitter.Configure(settings);
  emitter.UpdateEmitter(0.016f);
  EXPECT_EQ(emitter.active.size(), 5u);
  EXPECT_FALSE(emitter.enabled);
  emitter.UpdateEmitter(0.016f);
  EXPECT_EQ(emitter.active.size(), 5u);
}

TEST_F(ParticleTest, ZeroLifetimesRunForOneSecond) {
  ParticleEmitter emitter(&owner);
  EmitterSettings settings = Fixed(100, 1, 0.0f);
  settings.loopEmission = false;
  settings.emitterLifetime = 0.0f;
  emitter.Configure(settings);
  emitter.UpdateEmitter(0.25f);
  ASSERT_EQ(emitter.active.size(), 1u);
  EXPECT_FALSE(emitter.enabled);

  // Switched on again, the emitter runs its clock's 1.0 s, emitting every frame.
  emitter.SetEnabled(true);
  for (int i = 0; i < 3; ++i) emitter.UpdateEmitter(0.25f);
  EXPECT_TRUE(emitter.enabled);
  emitter.UpdateEmitter(0.25f);
  EXPECT_FALSE(emitter.enabled) << "1.0 s have run";
  // Particles of lifetime 0 live 1.0 s: two frames on, only the one born
  // in the frame that switched the emitter off is left.
  emitter.UpdateEmitter(0.25f);
  emitter.UpdateEmitter(0.25f);
  EXPECT_EQ(emitter.active.size(), 1u);
}

TEST_F(ParticleTest, EmitterLifetimeSwitchesOffAfterItsLastFrame) {
  ParticleEmitter emitter(&owner);
  EmitterSettings settings = Fixed(100, 1, 10.0f);
  settings.loopEmission = false;
  settings.emitterLifetime = 0.5f;
  emitter.Configure(settings);
  for (int i = 0; i < 8; ++i) emitter.UpdateEmitter(0.1f);
  // Frames at 0.1 .. 0.5 s emit (the 0.5 s frame too), then it is off.
  EXPECT_EQ(emitter.active.size(), 5u);
  EXPECT_FALSE(emitter.enabled);
}

TEST_F(ParticleTest, NinetyDegreesMovesStraightUpInWorldSpace) {
  ParticleEmitter emitter(&owner);
  EmitterSettings settings = Fixed(1, 1, 10.0f);
  settings.offset = Math::Vec2(0, 10);
  emitter.Configure(settings);
  emitter.UpdateEmitter(0.5f);
  const auto& particle = *emitter.active.front();
  EXPECT_NEAR(particle.velocity.x, 0.0f, 1e-3f);
  EXPECT_NEAR(particle.velocity.y, 100.0f, 1e-3f);
  EXPECT_NEAR(particle.position.x, 100.0f, 1e-3f);
  EXPECT_NEAR(particle.position.y, 50.0f + 10.0f + 50.0f, 1e-3f);

  owner.GetTransform().position = Math::Vec3(-200, 0, 0);
  emitter.UpdateEmitter(0.5f);
  EXPECT_NEAR(particle.position.x, 100.0f, 1e-3f) << "the owner's move does not drag the particle";
  EXPECT_NEAR(particle.position.y, 160.0f, 1e-3f);
  EXPECT_NEAR(particle.sprite->WorldPosition().x, 100.0f, 1e-3f);
}

TEST_F(ParticleTest, RandomRangesAreSeededApart) {
  ParticleEmitter emitter(&owner);
  EmitterSettings settings = Fixed(1, 1, 0.0f);
  settings.particleScaleMin = settings.particleLifetimeMin = 0.0f;
  settings.particleScaleMax = settings.particleLifetimeMax = 1.0f;
  emitter.Configure(settings);
  emitter.UpdateEmitter(0.0f);
  const auto& particle = *emitter.active.front();
  EXPECT_NE(particle.scale.x, particle.age.end) << "scale and lifetime must not be the same draw";
}

TEST_F(ParticleTest, EmitNeverTakesMoreThanTheFreePool) {
  ParticleEmitter emitter(&owner);
  emitter.Configure(Fixed(4, 0, 10.0f));
  emitter.settings.maxParticles = 50;  // larger than the pool that was built
  emitter.Emit(50);
  EXPECT_EQ(emitter.active.size(), 4u);
  EXPECT_TRUE(emitter.free.empty());
}

TEST_F(ParticleTest, ArchetypeCountsAndLayersAreChecked) {
  TestSupport::TempFolder folder;
  const auto path = folder.Write("emitter.xml",
                                 "<ParticleEmitter><maxParticles int=\"-5\"/><emissionRate int=\"3\"/>"
                                 "<particleLayer int=\"12\"/><particleScaleMax float=\"4\"/>"
                                 "<loopEmission bool=\"true\"/></ParticleEmitter>");
  Framework::XMLSerializer reader;
  ASSERT_TRUE(reader.Open(path.string(), Framework::XMLSerializer::kRead));
  ParticleEmitter emitter(&owner);
  ::testing::internal::CaptureStderr();
  emitter.Deserialize(reader);
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("Error: ParticleEmitter maxParticles -5"), std::string::npos) << errors;
  EXPECT_NE(errors.find("Error: ParticleEmitter particleLayer 12"), std::string::npos) << errors;
  EXPECT_EQ(emitter.settings.maxParticles, 100u);
  EXPECT_EQ(emitter.free.size(), 100u);
  EXPECT_EQ(emitter.settings.particleLayer, 0u);
  EXPECT_EQ(emitter.settings.emissionRate, 3u);
  EXPECT_TRUE(emitter.settings.loopEmission);
  EXPECT_FLOAT_EQ(emitter.settings.particleScaleMax, 4.0f);

  const auto huge = folder.Write("huge.xml", "<ParticleEmitter><maxParticles int=\"2000000000\"/></ParticleEmitter>");
  Framework::XMLSerializer second;
  ASSERT_TRUE(second.Open(huge.string(), Framework::XMLSerializer::kRead));
  ::testing::internal::CaptureStderr();
  emitter.Deserialize(second);
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(emitter.free.size(), 100u);
}

TEST_F(ParticleTest, ClonesCopySettingsWithAFreshPoolAndJoinTheSystem) {
  ParticleEmitter emitter(&owner);
  emitter.Configure(Fixed(6, 2, 1.0f));
  emitter.UpdateEmitter(0.1f);
  Framework::GameObject other;
  std::unique_ptr<ParticleEmitter> copy(static_cast<ParticleEmitter*>(emitter.Clone(&other)));
  EXPECT_EQ(copy->settings.maxParticles, 6u);
  EXPECT_EQ(copy->free.size(), 6u);
  EXPECT_TRUE(copy->active.empty());
  const auto& emitters = Framework::GetParticleSystem().emitters;
  EXPECT_NE(std::find(emitters.begin(), emitters.end(), copy.get()), emitters.end());
  ParticleEmitter* address = copy.get();
  copy.reset();
  EXPECT_EQ(std::find(emitters.begin(), emitters.end(), address), emitters.end()) << "and leave it when destroyed";
}

}  // namespace
