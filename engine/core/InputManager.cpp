#include "engine/core/InputManager.h"

namespace Framework {

InputManager& GetInputManager() {
  static InputManager instance;
  return instance;
}

}  // namespace Framework
