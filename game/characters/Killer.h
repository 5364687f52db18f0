#pragma once
// The murderer's player character. It walks among the guests in one of
// their looks, shows a panic mark while "run" is held (so it can pass for
// a panicking guest), and uses or sabotages the nearest prop. While it
// uses a prop it stands still until the prop reports the use finished.
#include <memory>
#include <string>

#include "engine/core/Vector.h"
#include "game/characters/Character.h"

namespace Framework {
class EfxObject;
}
class Interactable;
class User;

class Killer : public Character {
 public:
  explicit Killer(Framework::GameObject* owner);
  Killer(Framework::GameObject* newOwner, const Killer& other);

  void Serialize(Framework::XMLSerializer& serializer) override;
  void Deserialize(Framework::XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "Killer"; }
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override;
  void Update() override;
  void OnStart() override;

  void HandleInput();
  // Ends the current use: free to move, the prop's record dropped.
  void StopUsingProp();
  // The end of an arrest: the Killer is out of the game and its box off.
  void Handcuff();

  bool busy = false;
  std::string currentAnimation = "Idle";
  Math::Vec3 moveDirection;
  User* user = nullptr;
  bool inputEnabled = true;
  bool sabotageEnabled = true;
  bool canMove = true;
  Interactable* prop = nullptr;
  int controller;
  std::weak_ptr<Framework::EfxObject> panicEffect;

 private:
  void FinishUseWhenDone();
  void StandWithoutPlayer();
  void ShowPanicWhileRunning(bool running);
  // One press of "interact" or "action" at the nearest prop; false when
  // there is no prop at all, which ends the frame before the animation.
  bool UseNearestProp(bool sabotage);
};
