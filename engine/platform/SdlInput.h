#pragma once
// Keyboard, mouse-button and game-controller state for the SDL backend,
// answered in the engine's terms: Windows virtual-key codes and two
// XInput-shaped pad slots. A pad keeps its slot until removed; a new pad
// takes the lowest free slot. Besides the state held now, every press the
// event pump delivers is latched until taken.
#include <memory>

#include "engine/platform/Platform.h"

union SDL_Event;

namespace Platform {

class SdlInput {
 public:
  SdlInput();
  ~SdlInput();
  // The backend has initialised SDL's video and game-controller subsystems.
  void Open();
  // Controllers added and removed; keys, mouse buttons and pad buttons
  // that went down are latched (other events are ignored).
  void HandleEvent(const SDL_Event& event);
  bool IsKeyDown(int virtualKey) const;
  PadState GetPadState(int slot) const;
  bool TakeKeyPress(int virtualKey);
  uint16_t TakePadPresses(int slot, uint16_t buttons);
  void Close();
  // The SDL controller button behind one bit of the pad word; -1 for a
  // value that is not exactly one of the fourteen button bits.
  static int ControllerButtonFor(uint16_t padButton);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace Platform
