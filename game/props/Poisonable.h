#pragma once
// A dish the guests eat. The Killer's sabotage poisons it: the next
// PoisonedChargesMax guests who finish a portion are poisoned, then the
// dish is harmless again. Some seconds after the poisoning the dish takes
// its sabotaged look, the Detective's clue.
#include "game/props/Interactable.h"
#include "game/props/LookDelay.h"

class Poisonable : public Interactable {
 public:
  explicit Poisonable(Framework::GameObject* owner);

  void Serialize(Framework::XMLSerializer& serializer) override;
  void Deserialize(Framework::XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "Poisonable"; }
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override;
  void OnStart() override;
  void UpdateInteractable() override;
  void Sabotage() override;
  UseResult Interact(User* user) override;

  int PoisonedChargesMax = 2;
  int charges = 0;
  bool poisoned = false;
  // Its `shown` is the sabotaged look, its timer the seconds until then.
  LookDelay look;
};
