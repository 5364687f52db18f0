#pragma once
#include "engine/core/GameComponent.h"

// Base of the game's script components (characters, props, cut-scenes).
// Initialising a script makes it one of the current scene's scripts, whose
// Update the scene runs every frame while the game is not paused.
class Scriptable : public Framework::ToggleableGameComponent {
 public:
  explicit Scriptable(Framework::GameObject* owner, int typeId = Framework::ComponentId::None)
      : ToggleableGameComponent(owner, typeId) {}

  // Joins the current scene's script set (once, however often it runs), then Start.
  void Initialize() override;
  // Leaves the current scene's script set, then Stop.
  void Shutdown() override;

  virtual void Update() {}
  virtual void Start() {}
  virtual void Stop() {}
};
