#pragma once
// A fresh input manager on the test backend, with the shipped binding files.
#include <gtest/gtest.h>

#include "engine/core/InputManager.h"
#include "engine/platform/TestBackend.h"

namespace TestSupport {

// Resets the global input manager and every key latch, then reads the
// binding files from `folder`/Resources.
void ResetInput(const std::string& folder);

// Row of a key in the key table by its table name (a test failure when none).
int KeyRow(const std::string& name);

class InputFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // ResetInput from `folder` (SetUp uses the source tree).
  void InitializeFrom(const std::string& folder) { ResetInput(folder); }
  void Press(int key, bool down = true) { backend->SetKeyDown(Framework::keyTable[key].virtualKey, down); }
  void SetPad(int slot, bool connected, uint16_t buttons = 0) { backend->SetPad(slot, {connected, buttons}); }
  // Row of a key by its table name.
  static int Row(const std::string& name) { return KeyRow(name); }

  Framework::InputManager& input = Framework::GetInputManager();
  Platform::TestBackend* backend = nullptr;
};

}  // namespace TestSupport
