#include "engine/platform/SdlInput.h"

#include <SDL.h>

#include <array>
#include <iostream>

#include "engine/platform/PressLatch.h"

namespace Platform {

namespace {

// Windows virtual-key code -> SDL scancode for every key the engine names.
// Codes that are not here (mouse buttons aside) are never down.
SDL_Scancode ScancodeFor(int virtualKey) {
  if (virtualKey >= 0x41 && virtualKey <= 0x5A)  // A..Z
    return static_cast<SDL_Scancode>(SDL_SCANCODE_A + (virtualKey - 0x41));
  if (virtualKey == 0x30) return SDL_SCANCODE_0;
  if (virtualKey >= 0x31 && virtualKey <= 0x39)  // 1..9
    return static_cast<SDL_Scancode>(SDL_SCANCODE_1 + (virtualKey - 0x31));
  if (virtualKey == 0x60) return SDL_SCANCODE_KP_0;
  if (virtualKey >= 0x61 && virtualKey <= 0x69)  // numpad 1..9
    return static_cast<SDL_Scancode>(SDL_SCANCODE_KP_1 + (virtualKey - 0x61));
  if (virtualKey >= 0x70 && virtualKey <= 0x7B)  // F1..F12
    return static_cast<SDL_Scancode>(SDL_SCANCODE_F1 + (virtualKey - 0x70));
  switch (virtualKey) {
    case 0x08: return SDL_SCANCODE_BACKSPACE;
    case 0x09: return SDL_SCANCODE_TAB;
    case 0x0D: return SDL_SCANCODE_RETURN;
    case 0x13: return SDL_SCANCODE_PAUSE;
    case 0x14: return SDL_SCANCODE_CAPSLOCK;
    case 0x1B: return SDL_SCANCODE_ESCAPE;
    case 0x20: return SDL_SCANCODE_SPACE;
    case 0x21: return SDL_SCANCODE_PAGEUP;
    case 0x22: return SDL_SCANCODE_PAGEDOWN;
    case 0x23: return SDL_SCANCODE_END;
    case 0x24: return SDL_SCANCODE_HOME;
    case 0x25: return SDL_SCANCODE_LEFT;
    case 0x26: return SDL_SCANCODE_UP;
    case 0x27: return SDL_SCANCODE_RIGHT;
    case 0x28: return SDL_SCANCODE_DOWN;
    case 0x2C: return SDL_SCANCODE_PRINTSCREEN;
    case 0x2D: return SDL_SCANCODE_INSERT;
    case 0x2E: return SDL_SCANCODE_DELETE;
    case 0x6A: return SDL_SCANCODE_KP_MULTIPLY;
    case 0x6B: return SDL_SCANCODE_KP_PLUS;
    case 0x6D: return SDL_SCANCODE_KP_MINUS;
    case 0x6E: return SDL_SCANCODE_KP_PERIOD;
    case 0x6F: return SDL_SCANCODE_KP_DIVIDE;
    case 0x90: return SDL_SCANCODE_NUMLOCKCLEAR;
    case 0x91: return SDL_SCANCODE_SCROLLLOCK;
    case 0xA0: return SDL_SCANCODE_LSHIFT;
    case 0xA1: return SDL_SCANCODE_RSHIFT;
    case 0xA2: return SDL_SCANCODE_LCTRL;
    case 0xA3: return SDL_SCANCODE_RCTRL;
    case 0xA4: return SDL_SCANCODE_LALT;
    case 0xA5: return SDL_SCANCODE_RALT;
    case 0xBA: return SDL_SCANCODE_SEMICOLON;
    case 0xBB: return SDL_SCANCODE_EQUALS;
    case 0xBC: return SDL_SCANCODE_COMMA;
    case 0xBD: return SDL_SCANCODE_MINUS;
    case 0xBE: return SDL_SCANCODE_PERIOD;
    case 0xBF: return SDL_SCANCODE_SLASH;
    case 0xC0: return SDL_SCANCODE_GRAVE;
    case 0xDB: return SDL_SCANCODE_LEFTBRACKET;
    case 0xDC: return SDL_SCANCODE_BACKSLASH;
    case 0xDD: return SDL_SCANCODE_RIGHTBRACKET;
    case 0xDE: return SDL_SCANCODE_APOSTROPHE;
    default: return SDL_SCANCODE_UNKNOWN;
  }
}

// SDL scancode -> the virtual key that names it; 0 for a key the engine
// does not name. Both Enter keys are the one Enter code.
int VirtualKeyFor(SDL_Scancode scancode) {
  static const std::array<uint8_t, SDL_NUM_SCANCODES> table = [] {
    std::array<uint8_t, SDL_NUM_SCANCODES> keys{};
    for (int virtualKey = 1; virtualKey < 256; ++virtualKey) {
      const SDL_Scancode code = ScancodeFor(virtualKey);
      if (code != SDL_SCANCODE_UNKNOWN) keys[static_cast<std::size_t>(code)] = static_cast<uint8_t>(virtualKey);
    }
    keys[SDL_SCANCODE_KP_ENTER] = 0x0D;
    return keys;
  }();
  const int code = static_cast<int>(scancode);
  return code >= 0 && code < SDL_NUM_SCANCODES ? table[static_cast<std::size_t>(code)] : 0;
}

// SDL mouse button -> its virtual key; 0 for the others.
int VirtualKeyForMouseButton(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return 0x01;
    case SDL_BUTTON_RIGHT: return 0x02;
    case SDL_BUTTON_MIDDLE: return 0x04;
    default: return 0;
  }
}

// Mouse-button virtual keys -> SDL button mask; 0 for anything else.
Uint32 MouseMaskFor(int virtualKey) {
  switch (virtualKey) {
    case 0x01: return SDL_BUTTON_LMASK;
    case 0x02: return SDL_BUTTON_RMASK;
    case 0x04: return SDL_BUTTON_MMASK;
    default: return 0;
  }
}

struct PadBit {
  SDL_GameControllerButton button;
  uint16_t mask;
};

// SDL's controller layout is the same face and shoulder layout as the
// engine's pad word.
constexpr std::array<PadBit, 14> kPadBits = {{
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PAD_DPAD_UP},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PAD_DPAD_DOWN},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PAD_DPAD_LEFT},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PAD_DPAD_RIGHT},
    {SDL_CONTROLLER_BUTTON_START, PAD_START},
    {SDL_CONTROLLER_BUTTON_BACK, PAD_BACK},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, PAD_LEFT_THUMB},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, PAD_RIGHT_THUMB},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PAD_LEFT_SHOULDER},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PAD_RIGHT_SHOULDER},
    {SDL_CONTROLLER_BUTTON_A, PAD_A},
    {SDL_CONTROLLER_BUTTON_B, PAD_B},
    {SDL_CONTROLLER_BUTTON_X, PAD_X},
    {SDL_CONTROLLER_BUTTON_Y, PAD_Y},
}};

}  // namespace

struct SdlInput::Impl {
  std::array<SDL_GameController*, kPadSlots> pads{};
  PressLatch presses;

  int SlotOf(SDL_JoystickID id) const {
    for (int slot = 0; slot < kPadSlots; ++slot)
      if (pads[slot] && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pads[slot])) == id)
        return slot;
    return -1;
  }

  int FreeSlot() const {
    for (int slot = 0; slot < kPadSlots; ++slot)
      if (!pads[slot]) return slot;
    return -1;
  }

  void Add(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) return;
    // SDL reports the pads present at start-up as added too; open each once.
    if (SlotOf(SDL_JoystickGetDeviceInstanceID(deviceIndex)) >= 0) return;
    const int slot = FreeSlot();
    if (slot < 0) return;  // a third pad plays no part
    pads[slot] = SDL_GameControllerOpen(deviceIndex);
    if (!pads[slot]) std::cerr << "Error: game pad cannot be opened: " << SDL_GetError() << std::endl;
  }

  void Remove(SDL_JoystickID id) {
    const int slot = SlotOf(id);
    if (slot < 0) return;
    SDL_GameControllerClose(pads[slot]);
    pads[slot] = nullptr;
    presses.ForgetPad(slot);
  }

  void LatchPadButton(const SDL_ControllerButtonEvent& event) {
    const int slot = SlotOf(event.which);
    for (const PadBit& bit : kPadBits)
      if (bit.button == event.button) presses.PadButtonsWentDown(slot, bit.mask);
  }

  void CloseAll() {
    // After SDL_Quit the controllers are already gone: only forget them.
    const bool live = SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0;
    for (SDL_GameController*& pad : pads) {
      if (pad && live) SDL_GameControllerClose(pad);
      pad = nullptr;
    }
  }
};

SdlInput::SdlInput() : impl_(std::make_unique<Impl>()) {}

SdlInput::~SdlInput() { Close(); }

void SdlInput::Open() {
  if (!SDL_WasInit(SDL_INIT_GAMECONTROLLER)) return;
  for (int device = 0; device < SDL_NumJoysticks(); ++device) impl_->Add(device);
}

void SdlInput::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      impl_->Add(event.cdevice.which);
      break;
    case SDL_CONTROLLERDEVICEREMOVED:
      impl_->Remove(event.cdevice.which);
      break;
    case SDL_KEYDOWN:
      if (event.key.repeat == 0) impl_->presses.KeyWentDown(VirtualKeyFor(event.key.keysym.scancode));
      break;
    case SDL_MOUSEBUTTONDOWN:
      impl_->presses.KeyWentDown(VirtualKeyForMouseButton(event.button.button));
      break;
    case SDL_CONTROLLERBUTTONDOWN:
      impl_->LatchPadButton(event.cbutton);
      break;
    default:
      break;
  }
}

bool SdlInput::IsKeyDown(int virtualKey) const {
  if (const Uint32 mask = MouseMaskFor(virtualKey)) return (SDL_GetMouseState(nullptr, nullptr) & mask) != 0;
  const SDL_Scancode scancode = ScancodeFor(virtualKey);
  if (scancode == SDL_SCANCODE_UNKNOWN) return false;
  int count = 0;
  const Uint8* keys = SDL_GetKeyboardState(&count);
  if (!keys || scancode >= count) return false;
  // Both Enter keys answer to the one Enter code.
  if (scancode == SDL_SCANCODE_RETURN && SDL_SCANCODE_KP_ENTER < count && keys[SDL_SCANCODE_KP_ENTER])
    return true;
  return keys[scancode] != 0;
}

PadState SdlInput::GetPadState(int slot) const {
  if (slot < 0 || slot >= kPadSlots) return {};
  SDL_GameController* pad = impl_->pads[slot];
  if (!pad || !SDL_GameControllerGetAttached(pad)) return {};
  PadState state;
  state.connected = true;
  for (const PadBit& bit : kPadBits)
    if (SDL_GameControllerGetButton(pad, bit.button)) state.buttons |= bit.mask;
  return state;
}

bool SdlInput::TakeKeyPress(int virtualKey) { return impl_->presses.TakeKey(virtualKey); }

uint16_t SdlInput::TakePadPresses(int slot, uint16_t buttons) {
  return impl_->presses.TakePadButtons(slot, buttons);
}

void SdlInput::Close() {
  if (impl_) impl_->CloseAll();
}

int SdlInput::ControllerButtonFor(uint16_t padButton) {
  for (const PadBit& bit : kPadBits)
    if (bit.mask == padButton) return bit.button;
  return -1;
}

}  // namespace Platform
