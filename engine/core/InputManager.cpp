#include "engine/core/InputManager.h"

#include <fstream>
#include <iostream>

#include "engine/platform/Platform.h"

namespace Framework {

KeyInfo keyTable[kKeyCount] = {
    {"BACKSPACE", 0x08}, {"SPACE", 0x20}, {"TAB", 0x09}, {"ENTER", 0x0D},
    {"LSHIFT", 0xA0}, {"RSHIFT", 0xA1}, {"LCTRL", 0xA2}, {"RCTRL", 0xA3},
    {"LALT", 0xA4}, {"RALT", 0xA5},
    {"PRINTSCREE", 0x2C}, {"SCROLLLOCK", 0x91}, {"PAUSE", 0x13}, {"CAPSLOCK", 0x14}, {"ESC", 0x1B},
    {"UP", 0x26}, {"DOWN", 0x28}, {"LEFT", 0x25}, {"RIGHT", 0x27},
    {"HOME", 0x24}, {"PAGEUP", 0x21}, {"PAGEDOWN", 0x22}, {"END", 0x23}, {"INSERT", 0x2D},
    {"DELETE", 0x2E},
    {"0", 0x30}, {"1", 0x31}, {"2", 0x32}, {"3", 0x33}, {"4", 0x34},
    {"5", 0x35}, {"6", 0x36}, {"7", 0x37}, {"8", 0x38}, {"9", 0x39},
    {"A", 0x41}, {"B", 0x42}, {"C", 0x43}, {"D", 0x44}, {"E", 0x45}, {"F", 0x46},
    {"G", 0x47}, {"H", 0x48}, {"I", 0x49}, {"J", 0x4A}, {"K", 0x4B}, {"L", 0x4C},
    {"M", 0x4D}, {"N", 0x4E}, {"O", 0x4F}, {"P", 0x50}, {"Q", 0x51}, {"R", 0x52},
    {"S", 0x53}, {"T", 0x54}, {"U", 0x55}, {"V", 0x56}, {"W", 0x57}, {"X", 0x58},
    {"Y", 0x59}, {"Z", 0x5A},
    {"NUMPAD0", 0x60}, {"NUMPAD1", 0x61}, {"NUMPAD2", 0x62}, {"NUMPAD3", 0x63},
    {"NUMPAD4", 0x64}, {"NUMPAD5", 0x65}, {"NUMPAD6", 0x66}, {"NUMPAD7", 0x67},
    {"NUMPAD8", 0x68}, {"NUMPAD9", 0x69},
    {"F1", 0x70}, {"F2", 0x71}, {"F3", 0x72}, {"F4", 0x73}, {"F5", 0x74}, {"F6", 0x75},
    {"F7", 0x76}, {"F8", 0x77}, {"F9", 0x78}, {"F10", 0x79}, {"F11", 0x7A}, {"F12", 0x7B},
    {"SEMICOLON", 0xBA}, {"SLASH", 0xBF}, {"BACKQUOTE", 0xC0}, {"LBRACKET", 0xDB},
    {"BACKSLASH", 0xDC}, {"RBRACKET", 0xDD}, {"QUOTE", 0xDE},
    {"EQUAL", 0xBB}, {"MINUS", 0xBD}, {"PERIOD", 0xBE}, {"COMMA", 0xBC},
    {"NUM_MULTIPLY", 0x6A}, {"NUM_PLUS", 0x6B}, {"NUM_MINUS", 0x6D}, {"NUM_PERIOD", 0x6E},
    {"NUM_DIVIDE", 0x6F}, {"NUMLOCK", 0x90},
    {"LEFTCLICK", 0x01}, {"RIGHTCLICK", 0x02}, {"MIDDLECLICK", 0x04},
};

namespace {

bool WindowActive() { return Platform::Current().IsWindowActive(); }
bool IsKeyRow(int key) { return key >= 0 && key < kKeyCount; }
bool IsHeld(int key) { return Platform::Current().IsKeyDown(keyTable[key].virtualKey); }

// Uses the press up. A pump in the middle of a frame (a long scene load)
// can bring a key down before the next Update takes its press; the held
// key that triggers now is that press, so the platform's copy goes too, or
// the press would trigger a second time in the next frame.
void ConsumePress(KeyInfo& row) {
  row.released = false;
  row.pressedThisFrame = false;
  Platform::Current().TakeKeyPress(row.virtualKey);
}

}  // namespace

InputManager::InputManager() = default;
InputManager::~InputManager() = default;

void InputManager::Initialize() {
  padOne = std::make_unique<GamepadState>(1);
  padTwo = std::make_unique<GamepadState>(2);
  ReadBindingFiles();
}

void InputManager::ReadBindingFiles() {
  std::ifstream file("Resources/KeyEnumString.txt");
  if (file.is_open())
    ReadWordList(file, kKeyCount, keyEnum);
  else
    std::cerr << "Keyboard Enum Strings cannot be initialised";
  file.close();
  file.clear();
  file.open("Resources/ControllerEnumString.txt");
  if (file.is_open())
    ReadWordList(file, kPadButtonCount, controllerEnum);
  else
    std::cerr << "Controller Enum Strings cannot be initialised";

  // The controller bindings are only read alongside the keyboard ones.
  std::ifstream keyboard("Resources/Keyboard_Actions.txt");
  if (!keyboard.is_open()) return;
  ReadActionBindings(keyboard, keyEnum, keyboardActions);
  std::ifstream controller("Resources/Controller_Actions.txt");
  if (controller.is_open()) ReadActionBindings(controller, controllerEnum, controllerActions);
}

void InputManager::Update(float) {
  BeginTiming();
  const bool active = WindowActive();
  // Presses are taken every frame: like a held key that is let go, a press
  // nobody asked for in the frame after its pump is gone (and a press during
  // a fade does not wait for the fade's end).
  for (int key = 0; key < kKeyCount; ++key) {
    KeyInfo& row = keyTable[key];
    row.pressedThisFrame = Platform::Current().TakeKeyPress(row.virtualKey) && active;
    if (active && !row.released && !IsHeld(key)) row.released = true;
  }
  for (GamepadState* pad : {padOne.get(), padTwo.get()}) {
    if (pad && active)
      pad->Update();
    else if (pad)
      pad->DropPresses();
  }
  EndTiming();
}

bool InputManager::IsKeyDown(int key) {
  if (inputDisabled || !IsKeyRow(key) || !WindowActive()) return false;
  if (!IsHeld(key)) return false;
  mouseInUse = false;
  return true;
}

bool InputManager::IsKeyTriggered(int key) {
  if (inputDisabled || !IsKeyRow(key) || !WindowActive()) return false;
  if (IsHeld(key)) mouseInUse = false;  // as IsKeyDown: a held key takes the mouse's place
  if (!TakeKeyTrigger(key)) return false;
  mouseInUse = false;
  return true;
}

bool InputManager::WasKeyPressed(int key) {
  if (!IsKeyRow(key) || !WindowActive()) return false;
  return TakeKeyTrigger(key);
}

bool InputManager::TakeKeyTrigger(int key) {
  if (!IsKeyRow(key)) return false;
  KeyInfo& row = keyTable[key];
  if (!row.pressedThisFrame && !(row.released && IsHeld(key))) return false;
  ConsumePress(row);
  return true;
}

bool InputManager::IsKeyDownThisFrame(int key) {
  return IsKeyRow(key) && (keyTable[key].pressedThisFrame || IsHeld(key));
}

bool InputManager::IsActionDown(int player, const std::string& action) {
  return QueryAction(player, action, Query::Down);
}

bool InputManager::IsActionTriggered(int player, const std::string& action) {
  return QueryAction(player, action, Query::Triggered);
}

bool InputManager::QueryAction(int player, const std::string& action, Query query) {
  if (inputDisabled || !WindowActive()) return false;
  if (player == 0)
    return QueryPlayerAction(1, action, query) || QueryPlayerAction(2, action, query);
  return QueryPlayerAction(player, action, query);
}

bool InputManager::QueryPlayerAction(int player, const std::string& action, Query query) {
  GamepadState* pad = Pad(player);
  if (!pad) return false;
  const std::string name = ComposeActionName(action, player);
  if (pad->Poll()) {
    const int button = FindBinding(controllerActions, name);
    return query == Query::Down ? pad->IsButtonDown(button) : pad->IsButtonTriggered(button);
  }
  const int key = FindBinding(keyboardActions, name);
  return query == Query::Down ? IsKeyDown(key) : IsKeyTriggered(key);
}

GamepadState* InputManager::Pad(int player) {
  if (player == 1) return padOne.get();
  if (player == 2) return padTwo.get();
  return nullptr;
}

void InputManager::OnMouseMove(int clientX, int clientY, int clientHeight) {
  // The window reports 16-bit coordinates; keep its wrap-around arithmetic.
  mouseX = static_cast<int16_t>(clientX);
  mouseY = static_cast<int16_t>(static_cast<int16_t>(clientHeight) - static_cast<int16_t>(clientY));
  mouseInUse = true;
}

InputManager& GetInputManager() {
  static InputManager instance;
  return instance;
}

}  // namespace Framework
