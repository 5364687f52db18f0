#include "game/GameComponents.h"

#include "engine/core/GameObjectFactory.h"

// One line per component; keep them in type-id order.
void RegisterGameComponents(Framework::GameObjectFactory& factory) {
  (void)factory;
}
