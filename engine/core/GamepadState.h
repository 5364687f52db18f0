#pragma once
// One game pad as the input manager sees it: the state last read from the
// platform and the fourteen digital buttons the bindings can name, each with
// a trigger latch.
#include <array>
#include <cstdint>
#include <string>

#include "engine/platform/Platform.h"

struct PadButtonName {
  std::string name;
  uint16_t mask = 0;
  bool armed = true;  // trigger latch: true when the button may report a press
};

constexpr int kPadButtonCount = 14;
constexpr int kPadButtonStart = 12;

class GamepadState {
 public:
  // player is 1 or 2; it reads platform pad slot player - 1.
  explicit GamepadState(int player);

  // Reads the pad afresh; true when it is connected. Latches are untouched.
  bool Poll();
  // Per-frame step: takes the buttons this frame's event pump saw go down
  // and, when the pad is connected, re-arms released buttons.
  void Update();
  // In place of Update while the window is inactive: presses made meanwhile
  // are dropped, not kept for the window's return.
  void DropPresses();

  // Both answer false while the window is inactive or input is disabled,
  // and for a button number outside the table. Down means held now; a
  // trigger fires once per press, for an armed button held now or for a
  // press this frame's pump brought, even one already released.
  bool IsButtonDown(int button) const;
  bool IsButtonTriggered(int button);
  // The Start button's own trigger, which works while input is disabled
  // (the tutorial confirms with it during its locked panels).
  bool IsStartTriggered();

  bool IsConnected() const { return current.connected; }
  int Player() const { return player; }
  const PadButtonName& Button(int button) const { return buttons[button]; }

  Platform::PadState current;
  int player;
  std::array<PadButtonName, kPadButtonCount> buttons;
  uint16_t pressedThisFrame = 0;  // button bits that went down in this frame's pump

 private:
  static bool IsValidButton(int button) { return button >= 0 && button < kPadButtonCount; }
  bool IsMaskDown(uint16_t mask) const { return (current.buttons & mask) != 0; }
  bool ConsumeIfPressed(int button);
};
