#include "game/guests/states/FSM_BORED.h"

#include <iostream>

#include "engine/core/GameObject.h"
#include "engine/core/SceneManager.h"
#include "engine/physics/Moveable.h"
#include "game/GameRandom.h"
#include "game/guests/NPC.h"
#include "game/props/Interactable.h"
#include "game/props/InteractionManager.h"

void FSM_BORED::Enter() {
  boredTimer = static_cast<float>(RandomIndex(5)) + 4.0f;
  if (Framework::GetSceneManager().FindObjectsByTag("interactable").empty()) {
    ChangeState(NPC::kIdle);
    return;
  }
  Interactable* chosen = ChooseProp();
  if (!chosen) return;
  targetProp = chosen;
  if (RandomIndex(2) == 0) {
    if (chosen->propName == "Poisonable") owner->ShowEmote("Food");
    if (chosen->propName == "Explodable") owner->ShowEmote("Happy");
  }
}

Interactable* FSM_BORED::ChooseProp() const {
  Interactable* nearest = nullptr;
  float best = 0.0f;
  for (Framework::GameObject* object : Framework::GetSceneManager().FindObjectsByTag("interactable")) {
    auto* prop = object->GetComponent<Interactable>();
    if (!prop || !prop->CanBeUsedBy(user) || !prop->available) continue;
    const float distance = Math::Distance(object->GetTransform().position, Position());
    if (!nearest || distance < best) {
      nearest = prop;
      best = distance;
    }
  }
  return nearest;
}

void FSM_BORED::Execute() {
  // A prop whose object is gone has left the registry.
  if (!targetProp || GetInteractionManager().interactables.count(targetProp) == 0) {
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
