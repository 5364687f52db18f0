#include "game/guests/NPCManager.h"

#include "engine/audio/AudioManager.h"
#include "engine/core/GameObject.h"
#include "game/guests/NPC.h"

void NPCManager::ResetCounters() {
  Kills = 0;
  roundOver = false;
}

NPC* NPCManager::FindNearest(Framework::GameObject* from, bool alive, const Filter& filter) const {
  if (!from) return nullptr;
  const Math::Vec3 origin = from->GetTransform().position;
  NPC* nearest = nullptr;
  float best = -1.0f;
  for (NPC* npc : npcs) {
    if (npc->alive != alive || !npc->enabled || npc->GetOwner() == from) continue;
    const float distance = Math::Distance(npc->GetOwnerTransform()->position, origin);
    // Distance first: the filter is asked only about a guest that would win.
    if (best >= 0.0f && !(distance < best)) continue;
    if (filter && !filter(npc)) continue;
    best = distance;
    nearest = npc;
  }
  return nearest;
}

NPC* NPCManager::FindNearestNPC(Framework::GameObject* from, const Filter& filter) const {
  return FindNearest(from, true, filter);
}

NPC* NPCManager::FindNearestDeadNPC(Framework::GameObject* from, const Filter& filter) const {
  return FindNearest(from, false, filter);
}

std::vector<NPC*> NPCManager::GetNPCsInRadius(const Math::Vec3& center, float radius, const Filter& filter) const {
  std::vector<NPC*> found;
  for (NPC* npc : npcs) {
    if (filter && !filter(npc)) continue;
    const Math::Vec3& at = npc->GetOwnerTransform()->position;
    if (Math::Length(Math::Vec2(at.x - center.x, at.y - center.y)) <= radius) found.push_back(npc);
  }
  return found;
}

void NPCManager::CalmAll() {
  for (NPC* npc : npcs) {
    if (npc->alive && npc->currentState == NPC::kPanic) npc->ChangeState(NPC::kIdle);
  }
}

void NPCManager::RecordDeath(int cause) {
  if (cause == NPC::kKilled) {
    ++Kills;
    if (Kills < MaxKills) return;
    Framework::AudioManager& audio = Framework::GetAudioManager();
    audio.StopAll();
    audio.PlayBGM("Victory_Killer");
    roundOver = true;
  } else if (cause == 0) {
    if (--Captures < 1) roundOver = true;
  }
}

NPCManager& GetNPCManager() {
  static NPCManager manager;
  return manager;
}
