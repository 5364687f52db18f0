#pragma once
// The player-select screen's script: each player moves a marker onto the
// Detective's spot (left) or the Killer's spot (right), or back home with
// the opposite direction. A role goes to one player only, and player 1 is
// served first when both reach for the same role in one frame. The choice
// lives in the role variables, so the screen shows it again on return.
#include <string>

#include "engine/core/Scriptable.h"
#include "engine/core/Vector.h"

namespace Framework {
class XMLSerializer;
}

class PlayerSelection : public Scriptable {
 public:
  // A player's choice; the numbers match what the role variables hold.
  enum Choice { kUndecided = -1, kDetective = 1, kKiller = 2 };

  explicit PlayerSelection(Framework::GameObject* owner);

  std::string GetTypeName() override { return "PlayerSelection"; }
  void Serialize(Framework::XMLSerializer& serializer) override;
  void Deserialize(Framework::XMLSerializer& serializer) override;
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override;

  // Finds the markers "Controller1" and "Controller2" (tag "controller") and
  // puts them where the role variables say; without both it switches off.
  void Start() override;
  void Update() override;

  int choice1 = kUndecided;
  int choice2 = kUndecided;
  Math::Vec3 pOneOriginal{0, 0, 0};  // markers' home spots while undecided
  Math::Vec3 pTwoOriginal{0, 0, 0};
  Math::Vec3 dSpot{0, 0, 0};  // where the Detective's marker stands
  Math::Vec3 kSpot{0, 0, 0};  // where the Killer's marker stands
  Framework::GameObject* marker1 = nullptr;  // scene objects; not owned
  Framework::GameObject* marker2 = nullptr;

 private:
  // One player's turn: left takes the Detective or gives the Killer back,
  // right the reverse.
  void Choose(int player, int& choice, int otherChoice, Framework::GameObject* marker, const Math::Vec3& home);
  void Restore(int player, int role, const Math::Vec3& spot);
};
