#pragma once
#include <cstdint>
#include <string>

#include "engine/core/System.h"

namespace Framework {

// One row of the key table.
struct KeyInfo {
  std::string name;
  uint8_t virtualKey = 0;
  bool released = true;  // trigger latch
};

constexpr int kKeyCount = 103;
// The 103-row key table; row index is the key number.
extern KeyInfo keyTable[kKeyCount];
// Rows the frame loop reads directly.
constexpr int kKeyRowLAlt = 8, kKeyRowRAlt = 9, kKeyRowF4 = 74;

// Minimal system: its own issue fills it in.
class InputManager : public System {
 public:
  std::string GetName() override { return "InputManager"; }
  void Update(float) override {}

  bool mouseInUse = true;
  int16_t mouseX = 0;
  int16_t mouseY = 0;
  bool inputDisabled = false;
};

InputManager& GetInputManager();

}  // namespace Framework
