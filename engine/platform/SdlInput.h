#pragma once
// Keyboard, mouse-button and game-controller state for the SDL backend,
// answered in the engine's terms: Windows virtual-key codes and two
// XInput-shaped pad slots. A pad keeps its slot until removed; a new pad
// takes the lowest free slot.
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
  // Controller added/removed events (others are ignored).
  void HandleEvent(const SDL_Event& event);
  bool IsKeyDown(int virtualKey) const;
  PadState GetPadState(int slot) const;
  void Close();
  // The SDL controller button behind one bit of the pad word; -1 for a
  // value that is not exactly one of the fourteen button bits.
  static int ControllerButtonFor(uint16_t padButton);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace Platform
