#include "engine/platform/VirtualPad.h"

#include <SDL.h>

#include <iostream>

#include "engine/platform/SdlInput.h"

namespace Platform {

namespace {

SDL_Joystick* AsJoystick(void* handle) { return static_cast<SDL_Joystick*>(handle); }

// Device indexes shift as pads come and go; the instance id stays.
int DeviceIndexOf(SDL_JoystickID id) {
  for (int device = 0; device < SDL_NumJoysticks(); ++device)
    if (SDL_JoystickGetDeviceInstanceID(device) == id) return device;
  return -1;
}

}  // namespace

VirtualPad::VirtualPad() {
  // Reference-counted: the backend's own start and SDL_Quit are unaffected.
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    std::cerr << "Error: no controller support for a virtual pad: " << SDL_GetError() << std::endl;
    return;
  }
  // Laid out as a game controller, its buttons numbered as SDL's controller buttons.
  const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                               SDL_CONTROLLER_BUTTON_MAX, 0);
  if (device >= 0) joystick_ = SDL_JoystickOpen(device);
  if (joystick_ == nullptr) std::cerr << "Error: virtual pad not attached: " << SDL_GetError() << std::endl;
}

VirtualPad::~VirtualPad() { Unplug(); }

void VirtualPad::SetButton(PadButton button, bool down) {
  const int sdlButton = SdlInput::ControllerButtonFor(button);
  if (joystick_ == nullptr || sdlButton < 0 || SDL_WasInit(SDL_INIT_JOYSTICK) == 0) return;
  SDL_JoystickSetVirtualButton(AsJoystick(joystick_), sdlButton, down ? 1 : 0);
  SDL_JoystickUpdate();  // the controller reads the new state at once
}

void VirtualPad::Unplug() {
  if (joystick_ == nullptr) return;
  // After the backend's SDL_Quit every pad is gone already: only forget it.
  if (SDL_WasInit(SDL_INIT_JOYSTICK) != 0) {
    const int device = DeviceIndexOf(SDL_JoystickInstanceID(AsJoystick(joystick_)));
    SDL_JoystickClose(AsJoystick(joystick_));
    if (device >= 0) SDL_JoystickDetachVirtual(device);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  }
  joystick_ = nullptr;
}

void UseOffscreenVideo() {
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
}

}  // namespace Platform
