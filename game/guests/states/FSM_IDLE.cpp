#include "game/guests/states/FSM_IDLE.h"

#include "engine/physics/Moveable.h"
#include "game/GameRandom.h"
#include "game/guests/NPC.h"

void FSM_IDLE::Enter() {
  // The stored target doubles as the facing direction; with none yet the
  // guest keeps the look it has (a bare "Idle" is no animation of a look).
  Face(wanderTarget, "Idle");
  switch (RandomIndex(4)) {
    case 0:
      ChangeState(NPC::kBored);
      break;
    case 1:
      ChangeState(NPC::kHungry);
      break;
    case 2:
      PickWanderTarget();
      walking = true;
      break;
    default:
      PickWanderTarget();
      walking = false;
      if (RandomIndex(6) + 1 == 1) owner->ShowEmote("Dots");
      break;
  }
  idleTimer = RandomScaled(32767.0f, 1.0f);
}

void FSM_IDLE::Execute() {
  idleTimer -= FrameTime();
  if (idleTimer <= 0.0f) {
    ChangeState(NPC::kIdle);
    return;
  }
  if (walking) {
    if (!WalkTowards(wanderTarget)) ChangeState(NPC::kIdle);
    return;
  }
  Face(wanderTarget, "Idle");
}

void FSM_IDLE::PickWanderTarget() {
  static const Math::Vec3 kCompass[] = {{0, 1, 0}, {0, -1, 0}, {-1, 0, 0}, {1, 0, 0}};
  wanderTarget = Position() + kCompass[RandomIndex(4)] * kWanderStep;
}

bool FSM_IDLE::WalkTowards(const Math::Vec3& target) {
  const Math::Vec3 towards = target - Position();
  if (Math::Length(towards) < kArrival) {
    walking = false;
    return false;
  }
  moveable->MoveTowards(target);
  Face(towards, "Walk");
  return true;
}
