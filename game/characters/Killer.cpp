#include "game/characters/Killer.h"

#include <limits>

#include "engine/audio/AudioManager.h"
#include "engine/core/GameObject.h"
#include "engine/core/XMLSerializer.h"
#include "engine/graphics/EfxManager.h"
#include "engine/physics/AABB.h"
#include "game/FieldCheck.h"
#include "game/characters/PlayerActions.h"
#include "game/match/Roles.h"
#include "game/props/InteractionManager.h"
#include "game/props/Interactable.h"
#include "game/props/User.h"

namespace {

const Math::Vec3 kPanicMarkOffset(0.0f, 50.0f, 0.0f);
// A reach past the room would let the Killer use every prop from anywhere.
constexpr FieldRange<float> kReachRange{1.0f, 1000.0f};

}  // namespace

Killer::Killer(Framework::GameObject* owner)
    : Character(owner, kKiller, Framework::ComponentId::Killer), controller(killerController) {}

// A copy keeps the person's state; everything of its own starts afresh.
Killer::Killer(Framework::GameObject* newOwner, const Killer& other)
    : Character(newOwner, other), controller(killerController) {}

Framework::GameComponent* Killer::Clone(Framework::GameObject* newOwner) { return new Killer(newOwner, *this); }

void Killer::Serialize(Framework::XMLSerializer& serializer) {
  if (TiXmlElement* parent = serializer.GetCursor()) Framework::AppendField(parent, "interaction_range", "float", interactionRange);
}

void Killer::Deserialize(Framework::XMLSerializer& serializer) {
  ReadCheckedField(serializer, interactionRange, "interaction_range", kReachRange);
}

void Killer::OnStart() { user = GetComponent<User>(); }

void Killer::Update() {
  FinishUseWhenDone();
  if (inputEnabled && alive) {
    HandleInput();
  } else {
    StandWithoutPlayer();
  }
}

// Only the player's keys end the run's burst and the stride or a finished
// use's look, so a Killer that no longer reads them (arrested, or its input
// switched off by the match's end or an outro) drops them itself. A use
// under way keeps its look until the prop ends it.
void Killer::StandWithoutPlayer() {
  ShowPanicWhileRunning(false);
  moving = false;
  if (busy || currentAnimation == "Idle") return;
  currentAnimation = "Idle";
  PlayAnimation(moveDirection, currentAnimation, true, true);
}

// A prop that refuses the Killer in the middle of a use (a rigged piece a
// guest set off is broken for good) would otherwise hold it there forever.
void Killer::FinishUseWhenDone() {
  if (canMove || !prop) return;
  const int status = prop->Use(user).status;
  if (status == UseResult::kFinished || status == UseResult::kRefused) StopUsingProp();
}

void Killer::StopUsingProp() {
  canMove = true;
  if (prop) prop->RemoveUser(user);
  busy = false;
  prop = nullptr;
}

void Killer::Handcuff() {
  Framework::GetAudioManager().PlaySound("Handcuff");
  alive = false;
  // Switched off rather than flipped: a Killer revived after an arrest
  // must get its box back, not lose it a second time.
  if (auto* box = GetComponent<Framework::AABB>()) box->SetEnabled(false);
}

void Killer::HandleInput() {
  if (!alive) return;
  if (!busy) currentAnimation = "Idle";
  if (!inputEnabled) return;
  const PlayerActions actions(controller);
  moving = false;
  if (canMove && actions.Walk(moveable, moveDirection)) {
    currentAnimation = "Walk";
    moving = true;
  }
  const bool running = actions.Down("run");
  if (running && moving) currentAnimation = "Run";
  ShowPanicWhileRunning(running);
  // Both latches are read every frame, so a press is never kept for later.
  const bool interact = actions.Triggered("interact");
  const bool sabotage = actions.Triggered("action");
  if ((sabotage && sabotageEnabled) || interact) {
    if (!UseNearestProp(!interact)) return;
  }
  PlayAnimation(moveDirection, currentAnimation, true, true);
}

void Killer::ShowPanicWhileRunning(bool running) {
  const std::shared_ptr<Framework::EfxObject> shown = panicEffect.lock();
  const bool ours = shown && shown->playing && shown->Follows(GetOwner());
  if (!running) {
    if (ours) shown->Stop();
    return;
  }
  if (ours) return;
  panicEffect = Framework::EfxManager::Instance().Play("Panic", ownerTransform->position,
                                                       std::numeric_limits<float>::max(), "");
  if (auto mark = panicEffect.lock()) mark->Attach(ownerTransform, kPanicMarkOffset);
}

bool Killer::UseNearestProp(bool sabotage) {
  Interactable* nearest = GetInteractionManager().FindNearestInteractable(user).prop;
  if (!nearest) return false;
  if (!nearest->CanBeUsedBy(user)) return true;
  const UseResult result = nearest->Use(user);
  if (result.status == 3 || result.kind == "full") {
    if (result.status != 1) StopUsingProp();
    return true;
  }
  busy = true;
  moveDirection = nearest->GetOwnerTransform()->position - ownerTransform->position;
  currentAnimation = result.kind == "play" ? "Dance" : "Eat";
  if (!prop) {
    prop = nearest;
    canMove = false;
  } else if (prop != nearest) {
    // The Killer holds one use at a time; a second would be left behind.
    nearest->RemoveUser(user);
  }
  if (sabotage) nearest->Sabotage();
  return true;
}
