#include "game/guests/states/FSM_FORCEINTERACT.h"

#include <algorithm>

#include "engine/core/GameObject.h"
#include "engine/core/SceneManager.h"
#include "engine/graphics/Debug.h"
#include "engine/physics/AABB.h"
#include "engine/physics/Moveable.h"
#include "game/GameRandom.h"
#include "game/guests/EntranceStarter.h"
#include "game/guests/NPC.h"

namespace {

enum Phase { kWalk = 0, kEat = 1, kRunBack = 2 };

bool InCurrentScene(Framework::GameObject* object) {
  const Framework::VScene* scene = Framework::GetSceneManager().GetCurrentScene();
  return object && scene && std::find(scene->objects.begin(), scene->objects.end(), object) != scene->objects.end();
}

}  // namespace

void FSM_FORCEINTERACT::Enter() {
  entranceSignalled = false;
  startPosition = Position();
  runTime = RandomScaled(32767.0f, 2.0f);
  targetObject = Nearest(Props());
  // Without boxes on both there is no edge to walk to.
  if (!targetObject || !owner->GetComponent<Framework::AABB>() || !targetObject->GetComponent<Framework::AABB>())
    StartEntrance();
}

void FSM_FORCEINTERACT::Execute() {
  if (!owner->alive) return;
  switch (phase) {
    case kWalk:
      Walk();
      break;
    case kEat:
      eatTime -= FrameTime();
      if (eatTime > 0.0f) {
        Face(faceDirection, "Eat");
      } else {
        phase = kRunBack;
      }
      break;
    default:
      RunBack();
      break;
  }
}

void FSM_FORCEINTERACT::Walk() {
  walkTime -= FrameTime();
  const auto* ownBox = owner->GetComponent<Framework::AABB>();
  const auto* targetBox = InCurrentScene(targetObject) ? targetObject->GetComponent<Framework::AABB>() : nullptr;
  if (walkTime < 0.0f || !ownBox || !targetBox) {
    StartEntrance();
    return;
  }
  const Math::Vec3 g = Position();
  const Math::Vec3 t = targetObject->GetTransform().position;
  const Math::Vec3 a = g + ownBox->ClosestPoint(t - g);
  const Math::Vec3 b = t + targetBox->ClosestPoint(g - t);
  Framework::GetDebug().QueueLine(Math::Vec2(a.x, a.y), Math::Vec2(b.x, b.y), Math::Vec4(1, 1, 1, 1));
  faceDirection = t - g;
  if (Math::Length(Math::Vec2(b.x - a.x, b.y - a.y)) <= owner->interactionRange) {
    phase = kEat;
    return;
  }
  Face(faceDirection, "Walk");
  moveable->MoveTowards(Math::Vec3(b.x, b.y, 0.0f));
}

void FSM_FORCEINTERACT::RunBack() {
  const float dt = FrameTime();
  runTime -= dt;
  if (runTime < 0.0f) {
    SignalEntrance();
    owner->Die(NPC::kKilled);
    return;
  }
  moveable->MoveTowards(startPosition);
  // The poison takes hold.
  moveable->mSpeed -= kSlowdownPerSecond * dt;
  Face(startPosition - Position(), "Run");
}

void FSM_FORCEINTERACT::SignalEntrance() {
  if (entranceSignalled) return;
  entranceSignalled = true;
  StartDetectiveEntrance();
}

void FSM_FORCEINTERACT::StartEntrance() {
  SignalEntrance();
  ChangeState(NPC::kIdle);
}
