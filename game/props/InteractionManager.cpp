#include "game/props/InteractionManager.h"

InteractionManager& GetInteractionManager() {
  static InteractionManager manager;
  return manager;
}
