#pragma once
// Furniture or a toy the guests play with. The Killer's sabotage rigs it:
// the next guest who finishes playing sets it off, every living guest in
// the blast radius dies, an explosion plays on the spot and the prop stays
// broken. Some seconds after the rigging it takes its sabotaged look.
#include <memory>
#include <vector>

#include "game/props/Interactable.h"
#include "game/props/LookDelay.h"

class Explodable : public Interactable {
 public:
  explicit Explodable(Framework::GameObject* owner);

  void Serialize(Framework::XMLSerializer& serializer) override;
  // Reads the radius; only users able to "interact" may play with it.
  void Deserialize(Framework::XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "Explodable"; }
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override;
  bool CanInteract(User* user) override;
  void OnStart() override;
  void UpdateInteractable() override;
  void Sabotage() override { sabotaged = true; }
  UseResult Interact(User* user) override;

  void Explode();

  // Its `shown` is the sabotaged look, its timer the seconds until then.
  LookDelay look;
  bool sabotaged = false;
  bool broken = false;
  float explosion_radius = 500.0f;

 private:
  void KillGuestsInRange();
  void ShowExplosion();
  // Explosion effects still playing; each leaves the scene when it ends.
  void RemoveFinishedExplosions();

  std::vector<std::weak_ptr<Framework::GameObject>> explosions;
};
