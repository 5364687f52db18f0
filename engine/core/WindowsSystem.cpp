#include "engine/core/WindowsSystem.h"

namespace Framework {

WindowsSystem& GetWindowsSystem() {
  static WindowsSystem instance;
  return instance;
}

}  // namespace Framework
