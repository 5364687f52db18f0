#pragma once
#include <set>

class NPC;

// The crowd manager: every guest of the current scene and the match
// counters for kills and captures.
class NPCManager {
 public:
  // A new scene starts with no kills and the round open.
  void ResetCounters();
  // The scene's objects are gone: so are its guests.
  void Clear() { npcs.clear(); }

  int MaxKills = 10;
  int Kills = 0;
  int Captures = 2;
  int MaxCaptures = 2;
  bool roundOver = false;
  // Ordered by address; not owned.
  std::set<NPC*> npcs;
};

NPCManager& GetNPCManager();
