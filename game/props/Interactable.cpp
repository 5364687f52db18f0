#include "game/props/Interactable.h"

#include <memory>
#include <utility>

#include "engine/core/Engine.h"
#include "engine/core/GameObject.h"
#include "engine/graphics/Sprite.h"
#include "engine/physics/AABB.h"
#include "game/GameRandom.h"
#include "game/characters/Character.h"
#include "game/props/InteractionManager.h"
#include "game/props/Reach.h"
#include "game/props/User.h"

Interactable::Interactable(Framework::GameObject* owner, std::string name, int typeId)
    : Scriptable(owner, typeId), propName(std::move(name)) {}

void Interactable::Update() {
  available = CountActiveUsers() < maxUsers;
  UpdateInteractable();
}

void Interactable::Start() {
  GetInteractionManager().Register(this);
  sprite = GetComponent<Framework::Sprite>();
  box = GetComponent<Framework::AABB>();
  OnStart();
}

void Interactable::Stop() {
  GetInteractionManager().Unregister(this);
  OnStop();
}

bool Interactable::CanBeUsedBy(User* user) {
  if (!user) return false;
  for (const std::string& name : requiredNames) {
    if (!user->Holds(name)) return false;
  }
  return CanInteract(user);
}

UseResult Interactable::Use(User* user) {
  UseResult result;
  if (!CanBeUsedBy(user)) {
    result.status = UseResult::kRefused;
    return result;
  }
  if (Reach::WithinReach(*user, *this)) return Interact(user);
  result.status = HasUser(user) ? UseResult::kFinished : UseResult::kOutOfReach;
  return result;
}

int Interactable::CountActiveUsers() const {
  int active = 0;
  for (const auto& [key, record] : users) {
    if (!(record.duration - record.time > 0.0f)) continue;
    const std::shared_ptr<User> user = record.user.lock();
    if (!user) continue;
    // A dead guest no longer occupies the prop.
    const auto* person = user->GetComponent<Character>();
    if (person && person->kind == Character::kGuest && !person->alive) continue;
    ++active;
  }
  return active;
}

void Interactable::AddUser(User* user, float duration) {
  if (!user || HasUser(user)) return;
  UseRecord record;
  if (Framework::GameObject* object = user->GetOwner())
    record.user = std::dynamic_pointer_cast<User>(object->GetComponent(Framework::ComponentId::User));
  record.time = Framework::GetEngine().dt;
  record.duration = duration;
  users[user] = record;
}

bool Interactable::IsUseFinished(User* user) const {
  auto found = users.find(user);
  return found != users.end() && found->second.duration - found->second.time <= 0.0f;
}

UseResult Interactable::StartUse(User* user, const std::string& kind) {
  UseResult result;
  result.status = UseResult::kInUse;
  result.kind = kind;
  const float duration = RandomBetween(useTimeMin, useTimeMax);
  if (CountActiveUsers() < maxUsers) {
    AddUser(user, duration);
  } else {
    result.kind = "full";
  }
  result.remaining = result.total = duration;
  return result;
}

UseResult Interactable::ContinueUse(User* user, const std::string& kind) {
  UseRecord& record = GetUseRecord(user);
  record.time += Framework::GetEngine().dt;
  UseResult result;
  result.status = UseResult::kInUse;
  result.kind = kind;
  result.total = record.duration;
  result.remaining = record.duration - record.time;
  return result;
}

void Interactable::ShowLook(const std::string& look) {
  if (sprite) sprite->PlayAnimation(look);
}
