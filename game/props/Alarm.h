#pragma once
// An alarm only the Detective can raise. A raise makes every living guest
// in range panic for a few seconds, costs one panic strike, and frees the
// Killer from whatever prop it was busy with; then the alarm cools down.
// It keeps no use records: every use is over at once.
#include "game/props/Interactable.h"

class Alarm : public Interactable {
 public:
  explicit Alarm(Framework::GameObject* owner);

  void Serialize(Framework::XMLSerializer& serializer) override;
  void Deserialize(Framework::XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "Alarm"; }
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override;
  // Only the object named "Player1", the Detective.
  bool CanInteract(User* user) override;
  void OnStart() override;
  void UpdateInteractable() override;
  void Sabotage() override {}
  UseResult Interact(User* user) override;

  float cooldownMax = 30.0f;
  float cooldown = 0.0f;
  float panic_radius = 1000.0f;
  // Seconds left of the "Interacted" look.
  float interactedTimer = 0.0f;
  float panicTimeMin = 3.0f;
  float panicTimeMax = 5.0f;

 private:
  void Raise();
  void PanicGuestsInRange();
  void FreeTheKiller();
};
