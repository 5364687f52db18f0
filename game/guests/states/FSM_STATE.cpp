#include "game/guests/states/FSM_STATE.h"

#include "engine/core/Engine.h"
#include "engine/core/GameObject.h"
#include "engine/core/SceneManager.h"
#include "engine/core/Transform.h"
#include "engine/physics/Moveable.h"
#include "game/guests/NPC.h"
#include "game/props/User.h"

void FSM_STATE::Initialize() {
  if (!owner) return;
  moveable = owner->GetComponent<Moveable>();
  user = owner->GetComponent<User>();
  transform = owner->GetOwnerTransform();
}

void FSM_STATE::Run() {
  if (!owner || !moveable || !user || !transform) return;
  if (!entered) {
    entered = true;
    Enter();
  }
  if (leaving) {
    Exit();
  } else {
    Execute();
  }
}

Math::Vec3 FSM_STATE::Position() const { return transform ? transform->position : Math::Vec3(); }

void FSM_STATE::Face(const Math::Vec3& direction, const std::string& animation) {
  owner->PlayAnimation(direction, animation, true, true);
}

void FSM_STATE::ChangeState(int next) { owner->ChangeState(next); }

float FSM_STATE::FrameTime() { return Framework::GetEngine().dt; }

std::vector<Framework::GameObject*> FSM_STATE::Props() {
  return Framework::GetSceneManager().FindObjectsByTag("interactable");
}

Framework::GameObject* FSM_STATE::Nearest(const std::vector<Framework::GameObject*>& objects,
                                          const std::function<bool(Framework::GameObject&)>& accepts) const {
  Framework::GameObject* nearest = nullptr;
  float best = 0.0f;
  for (Framework::GameObject* object : objects) {
    if (accepts && !accepts(*object)) continue;
    const float distance = Math::Distance(object->GetTransform().position, Position());
    if (!nearest || distance < best) {
      nearest = object;
      best = distance;
    }
  }
  return nearest;
}
