#include "engine/core/InputManager.h"

namespace Framework {

KeyInfo keyTable[kKeyCount];

InputManager& GetInputManager() {
  static InputManager instance;
  return instance;
}

}  // namespace Framework
