#pragma once
// Every key, mouse button and pad button that went down in the event pump,
// kept until the engine takes it. The engine reads keys once a frame as
// "held now"; a press that goes down and up again between two reads would
// otherwise never be seen.
#include <array>
#include <bitset>
#include <cstdint>

#include "engine/platform/Platform.h"

namespace Platform {

class PressLatch {
 public:
  void KeyWentDown(int virtualKey);
  void PadButtonsWentDown(int slot, uint16_t buttons);
  // A pad that leaves its slot takes its presses with it.
  void ForgetPad(int slot);

  bool TakeKey(int virtualKey);
  uint16_t TakePadButtons(int slot, uint16_t buttons);

 private:
  static constexpr int kVirtualKeys = 256;
  std::bitset<kVirtualKeys> keys_;
  std::array<uint16_t, kPadSlots> pads_{};
};

}  // namespace Platform
