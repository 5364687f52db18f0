#include "game/guests/states/FSM_BORED.h"

#include <iostream>

#include "engine/core/GameObject.h"
#include "engine/physics/Moveable.h"
#include "game/GameRandom.h"
#include "game/guests/NPC.h"
#include "game/props/Interactable.h"
#include "game/props/InteractionManager.h"

void FSM_BORED::Enter() {
  boredTimer = static_cast<float>(RandomIndex(5)) + 4.0f;
  // The props in play, from their registry: scanning every object of the
  // scene for its tag on each choice would cost as much as the whole crowd.
  std::vector<Framework::GameObject*> props;
  for (Interactable* prop : GetInteractionManager().interactables) props.push_back(prop->GetOwner());
  if (props.empty()) {
    ChangeState(NPC::kIdle);
    return;
  }
  Interactable* chosen = ChooseProp(props);
  if (!chosen) {
    // A kept prop this guest can no longer use (a broken one) would send it
    // straight back here every frame, standing, its timer never running
    // down; without it the guest gives up.
    if (!TargetInPlay() || !targetProp->CanBeUsedBy(user)) targetProp = nullptr;
    return;
  }
  targetProp = chosen;
  if (RandomIndex(2) == 0) {
    if (chosen->propName == "Poisonable") owner->ShowEmote("Food");
    if (chosen->propName == "Explodable") owner->ShowEmote("Happy");
  }
}

Interactable* FSM_BORED::ChooseProp(const std::vector<Framework::GameObject*>& props) const {
  Framework::GameObject* nearest = Nearest(props, [this](Framework::GameObject& object) {
    auto* prop = object.GetComponent<Interactable>();
    return prop && prop->CanBeUsedBy(user) && prop->available;
  });
  return nearest ? nearest->GetComponent<Interactable>() : nullptr;
}

// A prop whose object is gone has left the registry.
bool FSM_BORED::TargetInPlay() const {
  return targetProp && GetInteractionManager().interactables.count(targetProp) > 0;
}

void FSM_BORED::Execute() {
  if (!TargetInPlay()) {
    ChangeState(NPC::kIdle);
    std::cout << owner->GetTypeId() << " no interactables!" << std::endl;
    return;
  }
  if (!targetProp->CanBeUsedBy(user)) {
    ChangeState(NPC::kBored);
    return;
  }
  UseProp(*targetProp);
}

void FSM_BORED::UseProp(Interactable& prop) {
  const UseResult result = prop.Use(user);
  const Math::Vec3 propPosition = prop.GetOwnerTransform()->position;
  const Math::Vec3 towards = propPosition - Position();
  if (result.status == UseResult::kOutOfReach) {
    boredTimer -= FrameTime();
    if (boredTimer <= 0.0f) ChangeState(NPC::kIdle);
    Face(towards, "Walk");
    moveable->MoveTowards(propPosition);
    return;
  }
  if (result.kind == "full") {
    ChangeState(NPC::kIdle);
    return;
  }
  owner->currentProp = &prop;
  // The guest has just died in the blast.
  if (result.kind == "explosion") return;
  Face(towards, result.kind == "play" ? "Dance" : result.kind == "eat" ? "Eat" : "Idle");
  moveable->Stop();
  if (result.status != UseResult::kFinished) return;
  owner->currentProp = nullptr;
  prop.RemoveUser(user);
  ChangeState(result.kind == "poisoned" ? NPC::kPoisoned : NPC::kIdle);
}

void FSM_BORED::Exit() {
  if (Interactable* prop = owner->PropInUse()) prop->RemoveUser(user);
}
