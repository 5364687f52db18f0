#include "engine/core/EventSystem.h"

namespace Framework {

EventSystem& GetEventSystem() {
  static EventSystem instance;
  return instance;
}

}  // namespace Framework
