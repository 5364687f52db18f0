#pragma once
// One player's named actions, as the Killer and the Detective read them.
// A controller that is not 1 or 2 (a role nobody took) reads as nothing
// held and nothing pressed.
#include <string>

#include "engine/core/Vector.h"

class Moveable;

class PlayerActions {
 public:
  explicit PlayerActions(int controllerNumber) : controller(controllerNumber) {}

  bool Down(const std::string& action) const;
  bool Triggered(const std::string& action) const;

  // The four walking actions: "moveup" beats "movedown" and "moveleft"
  // beats "moveright"; the horizontal move is given last and sets the
  // facing. True when a move was given.
  bool Walk(Moveable* moveable, Math::Vec3& facing) const;

  int controller;
};
