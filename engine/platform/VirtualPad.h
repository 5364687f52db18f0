#pragma once
// A game pad that exists only in software, plugged into the SDL backend's
// controller handling: tests press its buttons and watch them arrive through
// the real backend, with no device and no SDL header of their own.
#include <cstdint>

#include "engine/platform/Platform.h"

namespace Platform {

class VirtualPad {
 public:
  // Plugs the pad in; the backend opens it when it starts or, when it runs
  // already, at its next event pump. IsPlugged() is false when SDL refused.
  VirtualPad();
  ~VirtualPad();
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  bool IsPlugged() const { return joystick_ != nullptr; }
  // Holds or releases one button, named by its bit in the pad word.
  void SetButton(PadButton button, bool down);
  // The backend sees the pad removed at its next event pump.
  void Unplug();

 private:
  void* joystick_ = nullptr;  // the SDL joystick that stands for the pad
};

// For tests, before an SDL backend is created: SDL draws into memory (no
// display needed) and keeps reading pads while no window has the focus.
void UseOffscreenVideo();

}  // namespace Platform
