#pragma once
#include <set>

class Interactable;

// The registry of the props in play in the current scene.
class InteractionManager {
 public:
  void Register(Interactable* prop) { interactables.insert(prop); }
  void Unregister(Interactable* prop) { interactables.erase(prop); }
  void Clear() { interactables.clear(); }

  // Ordered by address; not owned.
  std::set<Interactable*> interactables;
};

InteractionManager& GetInteractionManager();
