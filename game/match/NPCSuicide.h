#pragma once
// Opens a match: as soon as it joins the scene it forces the first guest
// into its forced-interaction state, which walks it to a dish, makes it eat
// and run back, lets it die and then starts the Detective's entrance. A
// level without such a guest is told of and lets the Detective in at once.
#include <string>

#include "engine/core/Scriptable.h"

class NPC;

class NPCSuicide : public Scriptable {
 public:
  explicit NPCSuicide(Framework::GameObject* owner) : Scriptable(owner, Framework::ComponentId::NPCSuicide) {}

  void Deserialize(Framework::XMLSerializer&) override {}
  std::string GetTypeName() override { return "NPCSuicide"; }
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override { return new NPCSuicide(newOwner); }
  void Start() override;
  // On the first frame of play: without a forced guest, the entrance starts.
  void Update() override;

  // The guest it forced; null while the scene has none that can be forced.
  NPC* npc = nullptr;

 private:
  bool checked = false;
};
