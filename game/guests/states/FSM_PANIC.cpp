#include "game/guests/states/FSM_PANIC.h"

#include "engine/physics/Moveable.h"
#include "game/GameRandom.h"
#include "game/guests/NPC.h"

namespace {

struct RunHeading {
  float degrees;
  Math::Vec3 facing;
};

// By runDirection 1 to 4: left, right, down, up.
const RunHeading kHeadings[] = {{180.0f, {-1, 0, 0}}, {0.0f, {1, 0, 0}}, {270.0f, {0, -1, 0}}, {90.0f, {0, 1, 0}}};

}  // namespace

void FSM_PANIC::Enter() {
  directionTimer = 0.0f;
  runDirection = 1;
  if (owner->AddPanicSource) {
    owner->AddPanicSource(1);
    countedAsSource = true;
  }
  const float freeze = RandomScaled(10922.333f, 0.0f);
  freezeTimer.Start(freeze);
  // A freeze drawn as no time at all is over at once; the countdown would
  // otherwise never report it done.
  if (!(freeze > 0.0f)) freezeTimer.Stop();
  Face(Math::Vec3(0, 0, 0), "Idle");
}

void FSM_PANIC::Execute() {
  const float dt = FrameTime();
  freezeTimer.Advance(dt);
  if (!freezeTimer.done) return;
  if (directionTimer <= 0.0f) {
    runDirection = RandomIndex(4) + 1;
    directionTimer = RandomScaled(32767.0f, 1.0f);
  }
  const RunHeading& heading = kHeadings[runDirection - 1];
  moveable->MoveInDirection(heading.degrees);
  Face(heading.facing, "Run");
  owner->panicTime -= dt;
  directionTimer -= dt;
  if (owner->panicTime <= 0.0f) ChangeState(NPC::kIdle);
}

void FSM_PANIC::Exit() {
  if (countedAsSource && owner->AddPanicSource) owner->AddPanicSource(-1);
  countedAsSource = false;
  freezeTimer.Stop();
  owner->ClearEmote();
}
