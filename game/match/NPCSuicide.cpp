#include "game/match/NPCSuicide.h"

#include <vector>

#include "engine/core/SceneManager.h"
#include "game/guests/NPC.h"

void NPCSuicide::Start() {
  npc = nullptr;
  const std::vector<Framework::GameObject*> guests = Framework::GetSceneManager().FindObjectsByTag("enemy");
  if (guests.empty()) return;  // a scene without guests opens without the forced death
  npc = guests.front()->GetComponent<NPC>();
  // A scene starts its objects twice; forcing the guest again would end
  // the forced walk it has just begun.
  if (npc && npc->currentState != NPC::kForceInteract) npc->ChangeState(NPC::kForceInteract);
}
