#include "engine/physics/CollisionLayers.h"

namespace Framework {

namespace {
constexpr unsigned kPlayers = 2;
constexpr unsigned kNPCs = 3;
}  // namespace

CollisionLayers::CollisionLayers() : names{"Default", "Objects", "Players", "NPCs"} {
  matrix.assign(names.size(), std::vector<bool>(names.size(), true));
  matrix[kPlayers][kPlayers] = false;
  matrix[kPlayers][kNPCs] = false;
  matrix[kNPCs][kPlayers] = false;
  matrix[kNPCs][kNPCs] = false;
}

bool CollisionLayers::Collide(unsigned layerA, unsigned layerB) const {
  if (!IsValid(layerA) || !IsValid(layerB)) return false;
  return matrix[layerA][layerB];
}

}  // namespace Framework
