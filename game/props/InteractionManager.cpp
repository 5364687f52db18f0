#include "game/props/InteractionManager.h"

#include "game/props/Interactable.h"
#include "game/props/Reach.h"
#include "game/props/User.h"

NearestProp InteractionManager::FindNearestInteractable(User* user) const {
  NearestProp nearest;
  if (!user) {
    nearest.distance = 0.0f;
    return nearest;
  }
  for (Interactable* prop : interactables) {
    if (!prop->CanBeUsedBy(user)) continue;
    const float distance = Reach::DistanceToProp(*user, *prop);
    if (distance < 0.0f) continue;
    if (!nearest.prop || distance < nearest.distance) {
      nearest.distance = distance;
      nearest.prop = prop;
    }
  }
  return nearest;
}

InteractionManager& GetInteractionManager() {
  static InteractionManager manager;
  return manager;
}
