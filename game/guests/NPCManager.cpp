#include "game/guests/NPCManager.h"

void NPCManager::ResetCounters() {
  Kills = 0;
  roundOver = false;
}

NPCManager& GetNPCManager() {
  static NPCManager manager;
  return manager;
}
