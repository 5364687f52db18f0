#pragma once
// A fixture for the UI tests: the test input backend with the shipped
// bindings, a 1280 x 720 window size for the mouse arithmetic, objects built
// from archetype text through the object factory, and a recording audio
// device so the tests can count button sounds.
#include <string>

#include <gtest/gtest.h>

#include "engine/core/GameObject.h"
#include "engine/ui/UISystem.h"
#include "support/InputTestSupport.h"
#include "support/RecordingAudioDevice.h"
#include "support/TestSupport.h"

namespace TestSupport {

class UIFixture : public InputFixture {
 protected:
  static constexpr int kWindowWidth = 1280;
  static constexpr int kWindowHeight = 720;

  void SetUp() override;
  void TearDown() override;

  // Builds an object from archetype elements (name, tag, components).
  Framework::GameObject* Build(const std::string& elements);
  // One frame of input and UI.
  void Frame(float dt = 1.0f / 60.0f);
  // Puts the mouse over a world position and marks it in use.
  void MoveMouse(float worldX, float worldY);
  // Effects started so far whose file name contains part.
  int SoundsPlayed(const std::string& part) const;

  Framework::UISystem& ui = Framework::GetUISystem();
  TempFolder temp;
  int archetypeCount = 0;
  static RecordingAudioDevice* audio;
};

}  // namespace TestSupport
