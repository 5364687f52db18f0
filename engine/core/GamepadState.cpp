#include "engine/core/GamepadState.h"

#include "engine/core/InputManager.h"

namespace {

// Button numbers are the positions in this table; the controller word file
// and the binding maps count in the same order.
const std::array<PadButtonName, kPadButtonCount>& ButtonTable() {
  static const std::array<PadButtonName, kPadButtonCount> table = {{
      {"A", Platform::PAD_A, true},
      {"B", Platform::PAD_B, true},
      {"X", Platform::PAD_X, true},
      {"Y", Platform::PAD_Y, true},
      {"Up", Platform::PAD_DPAD_UP, true},
      {"Down", Platform::PAD_DPAD_DOWN, true},
      {"Left", Platform::PAD_DPAD_LEFT, true},
      {"Right", Platform::PAD_DPAD_RIGHT, true},
      {"LS", Platform::PAD_LEFT_SHOULDER, true},
      {"RS", Platform::PAD_RIGHT_SHOULDER, true},
      {"LT", Platform::PAD_LEFT_THUMB, true},
      {"RT", Platform::PAD_RIGHT_THUMB, true},
      {"Start", Platform::PAD_START, true},
      {"Back", Platform::PAD_BACK, true},
  }};
  return table;
}

bool WindowActive() { return Platform::Current().IsWindowActive(); }

constexpr uint16_t kAllButtons = 0xFFFF;

}  // namespace

GamepadState::GamepadState(int playerNumber) : player(playerNumber), buttons(ButtonTable()) {}

bool GamepadState::Poll() {
  current = Platform::PadState{};
  current = Platform::Current().GetPadState(player - 1);
  if (!current.connected) current.buttons = 0;  // an absent pad reads as all buttons up
  return current.connected;
}

void GamepadState::Update() {
  pressedThisFrame = Platform::Current().TakePadPresses(player - 1, kAllButtons);
  if (!Poll()) {
    pressedThisFrame = 0;
    return;
  }
  for (PadButtonName& button : buttons)
    if (!button.armed && !IsMaskDown(button.mask)) button.armed = true;
}

void GamepadState::DropPresses() {
  Platform::Current().TakePadPresses(player - 1, kAllButtons);
  pressedThisFrame = 0;
}

bool GamepadState::IsButtonDown(int button) const {
  if (!IsValidButton(button) || !WindowActive()) return false;
  if (Framework::GetInputManager().inputDisabled) return false;
  return IsMaskDown(buttons[button].mask);
}

bool GamepadState::IsButtonTriggered(int button) {
  if (!IsValidButton(button) || !WindowActive()) return false;
  if (Framework::GetInputManager().inputDisabled) return false;
  return ConsumeIfPressed(button);
}

bool GamepadState::IsStartTriggered() {
  if (!WindowActive()) return false;
  return ConsumeIfPressed(kPadButtonStart);
}

// The press is used up here and in the platform, as for keys: a pump in
// the middle of a frame may have brought the press that the held button
// reports now.
bool GamepadState::ConsumeIfPressed(int button) {
  PadButtonName& entry = buttons[button];
  const bool pressedInPump = (pressedThisFrame & entry.mask) != 0;
  if (!pressedInPump && !(entry.armed && IsMaskDown(entry.mask))) return false;
  entry.armed = false;
  pressedThisFrame = static_cast<uint16_t>(pressedThisFrame & ~entry.mask);
  Platform::Current().TakePadPresses(player - 1, entry.mask);
  return true;
}
