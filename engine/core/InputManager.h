#pragma once
// Keyboard, mouse and game-pad input: the key table, trigger latches and
// named actions per player, read from the binding files at start-up.
#include <cstdint>
#include <memory>
#include <string>

#include "engine/core/GamepadState.h"
#include "engine/core/InputBindings.h"
#include "engine/core/System.h"

namespace Framework {

// One row of the key table.
struct KeyInfo {
  std::string name;
  uint8_t virtualKey = 0;
  bool released = true;  // trigger latch
  // Went down in the event pump of this frame, maybe already up again.
  bool pressedThisFrame = false;
};

constexpr int kKeyCount = 103;
// The 103-row key table; row index is the key number.
extern KeyInfo keyTable[kKeyCount];
// Rows read directly by the frame loop and the scenes.
constexpr int kKeyRowEnter = 3, kKeyRowLAlt = 8, kKeyRowRAlt = 9, kKeyRowEsc = 14;
constexpr int kKeyRowF4 = 74, kKeyRowLeftClick = 100;

class InputManager : public System {
 public:
  InputManager();
  ~InputManager() override;
  std::string GetName() override { return "InputManager"; }
  // Takes the presses of this frame's event pump and re-arms released keys
  // and buttons; nothing is re-armed or kept while the window is inactive,
  // so a press made elsewhere never counts.
  void Update(float dt) override;
  // Creates both pads and reads the four binding files from Resources/.
  void Initialize() override;

  // `key` is a key-table row; rows outside the table answer false.
  // Down means held now. A trigger fires once per press: for a key held now
  // whose latch is armed, or for a press this frame's pump brought, even one
  // that is already released (a press shorter than a frame).
  bool IsKeyDown(int key);
  bool IsKeyTriggered(int key);
  // The trigger test that ignores inputDisabled and leaves mouseInUse alone.
  static bool WasKeyPressed(int key);
  // The trigger with no gates at all; the callers apply their own.
  static bool TakeKeyTrigger(int key);
  // Held now, or pressed in this frame's pump. Only a chord's modifier asks
  // this: Alt+F4 made and let go within one slow frame reaches the engine as
  // two presses and nothing held, and Alt must count as down for F4's
  // trigger to end the game. Everything else keeps "held now", so a tap
  // shorter than a frame does not count as holding a movement key.
  static bool IsKeyDownThisFrame(int key);

  // `player` is 1 or 2, or 0 for either (player 1 is asked first). A
  // connected pad replaces its player's keyboard bindings entirely.
  bool IsActionDown(int player, const std::string& action);
  bool IsActionTriggered(int player, const std::string& action);

  // The window reports a mouse move in client pixels counted from the top;
  // the stored y counts from the bottom edge.
  void OnMouseMove(int clientX, int clientY, int clientHeight);

  // The pad of player 1 or 2; null before Initialize or for another number.
  GamepadState* Pad(int player);

  bool mouseInUse = true;
  int16_t mouseX = 0;
  int16_t mouseY = 0;
  std::unique_ptr<GamepadState> padOne;
  std::unique_ptr<GamepadState> padTwo;
  bool inputDisabled = false;
  ActionBindings keyboardActions;
  ActionBindings controllerActions;
  WordNumbers keyEnum;
  WordNumbers controllerEnum;

 private:
  enum class Query { Down, Triggered };
  bool QueryAction(int player, const std::string& action, Query query);
  bool QueryPlayerAction(int player, const std::string& action, Query query);
  void ReadBindingFiles();
};

InputManager& GetInputManager();

}  // namespace Framework
