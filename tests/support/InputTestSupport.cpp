#include "support/InputTestSupport.h"

#include "support/TestSupport.h"

namespace TestSupport {

void InputFixture::SetUp() {
  auto fresh = std::make_unique<Platform::TestBackend>();
  backend = fresh.get();
  Platform::SetBackend(std::move(fresh));
  InitializeFrom(CORVIDALE_SOURCE_ROOT);
}

void InputFixture::TearDown() { Platform::SetBackend(std::make_unique<Platform::TestBackend>()); }

void ResetInput(const std::string& folder) {
  Framework::InputManager& input = Framework::GetInputManager();
  for (Framework::KeyInfo& row : Framework::keyTable) row = {row.name, row.virtualKey};
  input.inputDisabled = false;
  input.mouseInUse = true;
  input.keyEnum.clear();
  input.controllerEnum.clear();
  input.keyboardActions.clear();
  input.controllerActions.clear();
  ScopedWorkingFolder inFolder(folder);
  input.Initialize();
}

int KeyRow(const std::string& name) {
  for (int row = 0; row < Framework::kKeyCount; ++row)
    if (Framework::keyTable[row].name == name) return row;
  ADD_FAILURE() << "no key row " << name;
  return -1;
}

}  // namespace TestSupport
