#include "game/props/Poisonable.h"

#include "engine/core/Engine.h"
#include "engine/core/XMLSerializer.h"
#include "game/FieldCheck.h"
#include "game/props/PlayerUse.h"

namespace {

// 0 still serves one poisoned portion. More portions than any room holds
// guests would leave the dish poisoned for the whole match.
constexpr FieldRange<int> kPoisonedPortions{0, 100};

}  // namespace

Poisonable::Poisonable(Framework::GameObject* owner)
    : Interactable(owner, "Poisonable", Framework::ComponentId::Poisonable) {}

Framework::GameComponent* Poisonable::Clone(Framework::GameObject* newOwner) {
  auto* copy = new Poisonable(newOwner);
  copy->charges = charges;
  copy->poisoned = poisoned;
  return copy;
}

void Poisonable::Serialize(Framework::XMLSerializer& serializer) {
  if (TiXmlElement* parent = serializer.GetCursor()) Framework::AppendField(parent, "PoisonedChargesMax", "int", PoisonedChargesMax);
}

void Poisonable::Deserialize(Framework::XMLSerializer& serializer) {
  ReadCheckedField(serializer, PoisonedChargesMax, "PoisonedChargesMax", kPoisonedPortions);
}

void Poisonable::OnStart() {
  useTimeMin = 3.0f;
  useTimeMax = 5.0f;
}

void Poisonable::UpdateInteractable() {
  if (poisoned) look.Advance(Framework::GetEngine().dt, useTimeMax + useTimeMin, useTimeMax + useTimeMax);
  ShowLook(SabotageLook(look.shown, available));
}

void Poisonable::Sabotage() {
  poisoned = true;
  charges = PoisonedChargesMax;
}

UseResult Poisonable::Interact(User* user) {
  if (!HasUser(user)) return StartUse(user, "eat");
  if (!IsUseFinished(user)) return ContinueUse(user, "eat");
  UseResult result;
  result.kind = "eat";
  // The Killer ends its own sabotaging use here; that portion is not eaten.
  if (!poisoned || IsPlayer(user)) return result;
  result.kind = "poisoned";
  if (--charges < 1) {
    poisoned = false;
    // Clean again: the next poisoning waits a freshly drawn delay.
    look.Reset();
  }
  return result;
}
