#pragma once
#include <functional>
#include <set>
#include <vector>

#include "engine/core/Vector.h"

namespace Framework {
class GameObject;
}
class NPC;

// The crowd manager: every guest of the current scene, the queries over
// them, and the match counters for kills and captures.
class NPCManager {
 public:
  // Accepts a guest; an empty filter accepts every guest.
  using Filter = std::function<bool(NPC*)>;

  // A new scene starts with no kills and the round open.
  void ResetCounters();
  // The scene's objects are gone: so are its guests.
  void Clear() { npcs.clear(); }

  // The nearest living (or dead) enabled guest to from, not from itself,
  // that the filter accepts; of two at the same distance the earlier.
  NPC* FindNearestNPC(Framework::GameObject* from, const Filter& filter = {}) const;
  NPC* FindNearestDeadNPC(Framework::GameObject* from, const Filter& filter = {}) const;
  // Every guest the filter accepts within radius of center in x and y, dead or alive.
  std::vector<NPC*> GetNPCsInRadius(const Math::Vec3& center, float radius, const Filter& filter = {}) const;
  // Every living panicking guest goes back to idling.
  void CalmAll();
  // A kill (cause 2) counts towards the target, which ends the round with
  // the Killer's music; a capture (cause 0) uses up one of the captures.
  void RecordDeath(int cause);

  int MaxKills = 10;
  int Kills = 0;
  int Captures = 2;
  int MaxCaptures = 2;
  bool roundOver = false;
  // Ordered by address; not owned.
  std::set<NPC*> npcs;

 private:
  NPC* FindNearest(Framework::GameObject* from, bool alive, const Filter& filter) const;
};

NPCManager& GetNPCManager();
