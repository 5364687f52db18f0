#include "game/characters/PlayerActions.h"

#include "engine/core/InputManager.h"
#include "engine/physics/Moveable.h"

namespace {

struct Step {
  const char* action;
  float degrees;
  Math::Vec3 facing;
};

// Each pair is tried in order; the first held action of a pair moves.
const Step kVertical[] = {{"moveup", 90.0f, Moveable::Up()}, {"movedown", 270.0f, Moveable::Down()}};
const Step kHorizontal[] = {{"moveleft", 180.0f, Moveable::Left()}, {"moveright", 0.0f, Moveable::Right()}};

}  // namespace

bool PlayerActions::Down(const std::string& action) const {
  return (controller == 1 || controller == 2) && Framework::GetInputManager().IsActionDown(controller, action);
}

bool PlayerActions::Triggered(const std::string& action) const {
  return (controller == 1 || controller == 2) && Framework::GetInputManager().IsActionTriggered(controller, action);
}

bool PlayerActions::Walk(Moveable* moveable, Math::Vec3& facing) const {
  bool moved = false;
  for (const auto* pair : {kVertical, kHorizontal}) {
    for (int i = 0; i < 2; ++i) {
      if (!Down(pair[i].action)) continue;
      if (moveable) moveable->MoveInDirection(pair[i].degrees);
      facing = pair[i].facing;
      moved = true;
      break;
    }
  }
  return moved;
}
