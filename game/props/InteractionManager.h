#pragma once
#include <set>

class Interactable;
class User;

// The nearest prop a person may use, and how far away it is.
struct NearestProp {
  float distance = -1.0f;
  // Null when no prop in play can be used by the person, whatever the distance.
  Interactable* prop = nullptr;
};

// The registry of the props in play in the current scene.
class InteractionManager {
 public:
  void Register(Interactable* prop) { interactables.insert(prop); }
  void Unregister(Interactable* prop) { interactables.erase(prop); }
  void Clear() { interactables.clear(); }

  // Among the props this user may use, the one whose box is nearest; of
  // two at the same distance the earlier in the registry's order.
  NearestProp FindNearestInteractable(User* user) const;

  // Ordered by address; not owned.
  std::set<Interactable*> interactables;
};

InteractionManager& GetInteractionManager();
