#pragma once
// The game tests' fixture: the real scene manager's current scene in the
// source tree, guests from the shared guest archetypes, the emote and panic
// effects, the committed grid, a recording audio device and a test prop.
#include <gtest/gtest.h>

#include <string>

#include "engine/core/GameObject.h"
#include "game/props/Interactable.h"
#include "support/RecordingAudioDevice.h"
#include "support/TestSupport.h"

class NPC;

namespace TestSupport {

// A prop with the common timed use of 3 to 5 seconds (kind "eat"), in a box
// of 60 by 60. Its sabotage makes every finished use "poisoned".
class TestProp : public Interactable {
 public:
  explicit TestProp(Framework::GameObject* owner) : Interactable(owner, "TestProp", 99) {}
  void Deserialize(Framework::XMLSerializer&) override {}
  std::string GetTypeName() override { return "TestProp"; }
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override { return new TestProp(newOwner); }
  void OnStart() override { useTimeMin = 3.0f, useTimeMax = 5.0f; }
  void UpdateInteractable() override { ShowLook(available ? "Normal" : "Interact"); }
  void Sabotage() override { sabotaged = true; }
  UseResult Interact(User* user) override;
  bool sabotaged = false;
};

class CrowdWorld : public testing::Test {
 protected:
  static constexpr float kFrame = 1.0f / 60.0f;
  void SetUp() override;
  void TearDown() override;

  // An archetype file of the source tree built into the scene and initialised.
  Framework::GameObject& Build(const std::string& archetype);
  NPC& AddGuest(const Math::Vec3& at, const std::string& look = "NPCMale1");
  TestProp& AddProp(const Math::Vec3& at);
  Framework::GameObject& AddObject(const Math::Vec3& at, const std::string& name, const std::string& tag);
  Math::Vec3 WalkablePlace() const;
  void Frame();  // physics, scripts, effects and destruction

  ScopedTestBackend backend;
  ScopedWorkingFolder root{CORVIDALE_SOURCE_ROOT};
  static RecordingAudioDevice* audio;
};

}  // namespace TestSupport
