#pragma once
// Opens a match: as soon as it joins the scene it forces the first guest
// into its forced-interaction state, which walks it to a dish, makes it eat
// and run back, lets it die and then starts the Detective's entrance.
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

  // The guest it forced; null while the scene has none.
  NPC* npc = nullptr;
};
