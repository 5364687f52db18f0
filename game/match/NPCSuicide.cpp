#include "game/match/NPCSuicide.h"

#include <iostream>
#include <vector>

#include "engine/core/GameObject.h"
#include "engine/core/SceneManager.h"
#include "game/guests/EntranceStarter.h"
#include "game/guests/NPC.h"

namespace {

struct ForcedGuest {
  NPC* npc = nullptr;
  // Why there is none; empty when there is one.
  std::string fault;
};

ForcedGuest FindForcedGuest() {
  const std::vector<Framework::GameObject*> guests = Framework::GetSceneManager().FindObjectsByTag("enemy");
  if (guests.empty()) return {nullptr, "the level has no guest (no object tagged \"enemy\")"};
  const std::string first = "the first guest, \"" + guests.front()->GetName() + "\", ";
  NPC* npc = guests.front()->GetComponent<NPC>();
  if (!npc) return {nullptr, first + "has no NPC"};
  if (!npc->CanRunStates()) return {nullptr, first + "has no Moveable or no User"};
  return {npc, ""};
}

}  // namespace

void NPCSuicide::Start() {
  checked = false;
  npc = FindForcedGuest().npc;
  // A scene starts its objects twice; forcing the guest again would end
  // the forced walk it has just begun.
  if (npc && npc->currentState != NPC::kForceInteract) npc->ChangeState(NPC::kForceInteract);
}

void NPCSuicide::Update() {
  // Judged once the scene plays: its guests may be started after this
  // object, and the entrance resets itself when the scene starts it.
  if (checked) return;
  checked = true;
  const ForcedGuest forced = FindForcedGuest();
  if (forced.npc) return;
  std::cerr << "Error: " << forced.fault << ": nobody dies to open the match; the Detective comes in at once"
            << std::endl;
  StartDetectiveEntrance();
}
