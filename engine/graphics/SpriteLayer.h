#pragma once
// One of the twelve draw layers: sprite pointers (not owned) in draw order.
#include <functional>
#include <vector>

namespace Framework {

class Sprite;

struct SpriteLayer {
  using Predicate = std::function<bool(Sprite*, Sprite*)>;

  void SetSortPredicate(Predicate order) {
    predicate = std::move(order);
    sort = true;
  }

  std::vector<Sprite*> sprites;
  Predicate predicate;
  bool sort = false;
};

// Higher world y first, so sprites lower on the screen cover the ones above.
bool CompareSpriteWorldY(Sprite* a, Sprite* b);

}  // namespace Framework
