#pragma once
#include <string>
#include <vector>

namespace Framework {

// The named collision layers and which pairs of them collide. Players and
// guests pass through each other; everything else collides.
class CollisionLayers {
 public:
  CollisionLayers();

  // False for a layer id outside the table, so a stray id never collides.
  bool Collide(unsigned layerA, unsigned layerB) const;
  bool IsValid(unsigned layer) const { return layer < names.size(); }
  const std::vector<std::string>& Names() const { return names; }

 private:
  std::vector<std::string> names;
  std::vector<std::vector<bool>> matrix;
};

}  // namespace Framework
