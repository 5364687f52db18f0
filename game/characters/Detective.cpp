#include "game/characters/Detective.h"

#include "engine/audio/AudioManager.h"
#include "engine/core/Engine.h"
#include "engine/core/EventSystem.h"
#include "engine/core/GameObject.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/SceneManager.h"
#include "engine/core/XMLSerializer.h"
#include "engine/graphics/EfxManager.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/ParticleEmitter.h"
#include "engine/graphics/Sprite.h"
#include "engine/physics/Body.h"
#include "engine/physics/Moveable.h"
#include "game/FieldCheck.h"
#include "game/GameRandom.h"
#include "game/match/Roles.h"
#include "game/characters/Killer.h"
#include "game/characters/PlayerActions.h"
#include "game/guests/NPC.h"
#include "game/guests/NPCManager.h"
#include "game/props/InteractionManager.h"
#include "game/props/Interactable.h"
#include "game/props/User.h"

using Framework::GetEventSystem;
using Framework::GraphicsSystem;
using Framework::MakeEvent;
using Framework::MakeTimedEvent;

Math::Vec3 Detective::facing;
float Detective::baseSpeed = 0.0f;
bool Detective::baseSpeedKnown = false;

namespace {

constexpr float kRunFactor = 1.5f;
constexpr float kReassureReach = 1.75f;
constexpr float kCalmSeconds = 5.0f;
constexpr float kSpotlightSeconds = 3.0f;
constexpr float kFaintSeconds = 4.0f;
// A pressed meter and one that ran out are put away at different distances.
constexpr float kPressedAway = 5000.0f;
constexpr float kTimedOutAway = 50000.0f;
const Math::Vec3 kMeterBelow(0.0f, -50.0f, 0.0f);
const Math::Vec3 kEmoteOffset(-25.0f, 50.0f, 0.0f);
// Where the head lies in the last frame of the (left-facing) fall: the
// Detective falls backwards, so the head ends up on the right.
const Math::Vec3 kLyingHeadOffset(25.0f, -15.0f, 0.0f);
const char* const kFloatFields[] = {"interaction_range", "calm_duration", "reloadTime", "goodSize", "perfSize"};
// Reach past the room is everywhere; a sweep too short to see cannot be
// hit; the zones are parts of the 100-unit bar.
const FieldRange<float> kFloatRanges[] = {
    {1.0f, 1000.0f}, {0.0f, 60.0f}, {0.1f, 60.0f}, {0.0f, ReloadMeter::kBarWidth}, {0.0f, ReloadMeter::kBarWidth}};

Math::Vec3 PositionOf(const Framework::GameComponent& component) {
  return component.GetOwnerTransform()->position;
}

void Spotlight(const Math::Vec3& middle, float radius) {
  GraphicsSystem::SetSpotlight(true, Math::Vec2(middle.x, middle.y), radius);
}

void SpotlightOff() { GraphicsSystem::SetSpotlight(false, Math::Vec2(0.0f, 0.0f), 0.0f); }

}  // namespace

Detective::Detective(Framework::GameObject* owner)
    : Character(owner, kDetective, Framework::ComponentId::Detective), controller(detectiveController) {}

// A copy keeps the person's state; everything of its own starts afresh.
Detective::Detective(Framework::GameObject* newOwner, const Detective& other)
    : Character(newOwner, other), controller(detectiveController) {}

Framework::GameComponent* Detective::Clone(Framework::GameObject* newOwner) { return new Detective(newOwner, *this); }

void Detective::Serialize(Framework::XMLSerializer& serializer) {
  TiXmlElement* parent = serializer.GetCursor();
  if (!parent) return;
  const float values[] = {interactionRange, calmDuration, reloadTime, goodSize, perfSize};
  for (int i = 0; i < 5; ++i) Framework::AppendField(parent, kFloatFields[i], "float", values[i]);
}

void Detective::Deserialize(Framework::XMLSerializer& serializer) {
  float* fields[] = {&interactionRange, &calmDuration, &reloadTime, &goodSize, &perfSize};
  for (int i = 0; i < 5; ++i) ReadCheckedField(serializer, *fields[i], kFloatFields[i], kFloatRanges[i]);
  meter.SetZoneSizes(goodSize, perfSize);
}

void Detective::OnStart() {
  emitter = GetComponent<Framework::ParticleEmitter>();
  if (emitter) emitter->SetEnabled(false);
  inputTimer.onExpire = [this] { EnableInput(); };
  inputTimer.onStart = [this] { inputEnabled = false; };
  workTimer.onStart = [this] { StartWork(); };
  workTimer.onExpire = [this] { FinishWork(); };
  meterDisplay.Find(Framework::GetSceneManager().GetCurrentScene());
  meterDisplay.ScaleZones(goodSize, perfSize);
}

void Detective::Update() {
  const float dt = Framework::GetEngine().dt;
  inputTimer.Advance(dt);
  workTimer.Advance(dt);
  if (!inputEnabled) {
    StandWithoutPlayer();
    return;
  }
  if (!baseSpeedKnown && moveable) {
    baseSpeed = moveable->mSpeed;
    baseSpeedKnown = true;
  }
  const PlayerActions actions(controller);
  std::string animation = "Idle";
  moving = !meterActive && actions.Walk(moveable, facing);
  if (moving) animation = "Walk";
  const bool running = moving && actions.Down("run");
  if (running) animation = "Run";
  SetRunSpeed(running);
  if (actions.Triggered("interact")) {
    if (PressInteract()) return;
  } else if (actionsEnabled && actions.Triggered("action")) {
    if (PressAction()) return;
  }
  Animate(animation);
  if (meterActive) AdvanceMeter(dt);
}

void Detective::SetRunSpeed(bool running) {
  // Walking uses the speed set in the frame before, so a run starts a frame late.
  if (moveable && baseSpeedKnown) moveable->mSpeed = running ? baseSpeed * kRunFactor : baseSpeed;
}

// Only the player's keys end the stride and the run's speed, so a
// Detective whose input is switched off mid-walk stops both itself.
void Detective::StandWithoutPlayer() {
  if (!moving) return;
  moving = false;
  SetRunSpeed(false);
  Animate("Idle");
}

void Detective::Animate(const std::string& animation) {
  if (moving) {
    PlayAnimation(facing, animation, true, true);
  } else {
    PlayAnimation(body ? body->prevVelocity : Math::Vec3(), "Idle", true, true);
  }
}

bool Detective::PressInteract() {
  if (meterActive) {
    PressMeter();
    return true;
  }
  const Math::Vec3 here = PositionOf(*this);
  NPC* corpse = GetNPCManager().FindNearestDeadNPC(
      GetOwner(), [&](NPC* guest) { return Math::Distance(PositionOf(*guest), here) <= interactionRange; });
  if (corpse) {
    StartMeter(corpse);
    return true;
  }
  if (actionsEnabled) UseOrReassure();
  return false;
}

void Detective::StartMeter(NPC* guest) {
  meterTarget = guest;
  meterActive = true;
  const int ease = randomEase ? RandomIndex(4) : 0;
  meter.Start(reloadTime, ease);
  // Under his feet where it fits; by a wall, as near there as the view allows.
  const Math::Vec3 below = PositionOf(*this) + kMeterBelow;
  meterDisplay.Place(meterDisplay.FitInto(below, Framework::EfxManager::Instance().bounds), meter.centre);
}

void Detective::PressMeter() {
  switch (meter.JudgeArrow()) {
    case ReloadMeter::Hit::Perfect:
      workTimer.Start(perfectTime);
      break;
    case ReloadMeter::Hit::Good:
      workTimer.Start(goodTime);
      break;
    case ReloadMeter::Hit::Miss:
      break;
  }
  meterDisplay.MoveAway(kPressedAway);
  meterActive = false;
}

void Detective::CloseMeter(float away) {
  if (!meterActive) return;
  meterActive = false;
  meterTarget = nullptr;
  meterDisplay.MoveAway(away);
}

void Detective::AdvanceMeter(float dt) {
  if (meter.SweepDone()) {
    CloseMeter(kTimedOutAway);
    return;
  }
  meter.Advance(dt);
  meterDisplay.SetArrow(meter.ArrowValue());
}

void Detective::StartWork() {
  inputEnabled = false;
  PlayAnimation(Moveable::Down(), "Run", true, true);
  if (emitter) emitter->SetEnabled(true);
}

void Detective::FinishWork() {
  EnableInput();
  if (meterTarget) {
    meterTarget->bodyRemoved = true;
    if (auto* look = meterTarget->GetComponent<Framework::Sprite>()) look->SetEnabled(false);
    meterTarget->SetEnabled(false);
    meterTarget = nullptr;
  }
  if (emitter) emitter->SetEnabled(false);
}

void Detective::UseOrReassure() {
  User* user = GetComponent<User>();
  const auto nearest = GetInteractionManager().FindNearestInteractable(user);
  if (!nearest.prop || !(nearest.distance < interactionRange)) {
    Reassure();
    return;
  }
  nearest.prop->Use(user);
  // The Detective's use is a single press: its record must not stay behind
  // and keep the prop looking busy to every guest.
  nearest.prop->RemoveUser(user);
}

void Detective::Reassure() {
  const Math::Vec3 here = PositionOf(*this);
  const auto panicking = [](NPC* guest) {
    return guest->currentState == NPC::kPanic && guest->alive && guest->IsEnabled();
  };
  for (NPC* guest : GetNPCManager().GetNPCsInRadius(here, interactionRange * kReassureReach, panicking)) {
    guest->Calm(here, kCalmSeconds);
    Framework::EfxManager::Instance().Play("Emote", PositionOf(*guest) + kEmoteOffset, calmDuration, "Happy");
  }
}

bool Detective::InFront(const Math::Vec3& target) const {
  const Math::Vec3 towards = target - PositionOf(*this);
  return Math::Length(towards) < interactionRange && Math::Dot(towards, facing) >= 0.0f;
}

bool Detective::PressAction() {
  Framework::GameObject* suspect = Framework::GetFactory().FindObjectByName("Player2");
  Killer* killer = suspect ? suspect->GetComponent<Killer>() : nullptr;
  if (killer && arrestEnabled && InFront(PositionOf(*killer))) {
    Arrest(*killer);
    return true;
  }
  NPC* guest = GetNPCManager().FindNearestNPC(GetOwner(), {});
  if (guest && punchEnabled && InFront(PositionOf(*guest))) Punch(*guest);
  return false;
}

void Detective::Arrest(Killer& killer) {
  killer.inputEnabled = false;
  inputEnabled = false;
  CloseMeter(kPressedAway);
  const Math::Vec3 here = PositionOf(*this);
  const Math::Vec3 there = PositionOf(killer);
  const Math::Vec3 middle = (there + here) / 2.0f;
  const float radius = Math::Distance(there, here);
  Killer* arrested = &killer;
  auto& events = GetEventSystem();
  events.AddEvent(MakeTimedEvent(0.0f, kSpotlightSeconds, [middle, radius] { Spotlight(middle, radius); }));
  events.AddEvent(MakeEvent([arrested] { arrested->Handcuff(); }));
  events.AddEvent(MakeEvent(SpotlightOff));
  events.AddEvent(MakeEvent([this, there, here] { PlayAnimation(there - here, "Arrest", false, true); }));
  events.AddEvent(MakeEvent([] { Framework::GetAudioManager().PlaySound("Detective_Catch_Successful"); }));
  events.AddEvent(MakeEvent([] { Framework::GetAudioManager().StopAll(); }));
}

void Detective::Punch(NPC& guest) {
  const Math::Vec3 here = PositionOf(*this);
  const Math::Vec3 there = PositionOf(guest);
  const Math::Vec3 middle = (there + here) / 2.0f;
  guest.Toggle();
  inputEnabled = false;
  CloseMeter(kPressedAway);
  const float radius = Math::Distance(there, here);
  NPC* victim = &guest;
  auto& events = GetEventSystem();
  events.AddEvent(MakeTimedEvent(0.0f, kSpotlightSeconds, [middle, radius] { Spotlight(middle, radius); }));
  events.AddEvent(MakeEvent([this, victim] { Catch(victim); }));
  events.AddEvent(MakeEvent(SpotlightOff));
  events.AddEvent(MakeEvent([victim] { victim->Toggle(); }));
  events.AddEvent(MakeTimedEvent(0.1f, 4.5f, [this, there] { Faint(kFaintSeconds, there); }));
  events.AddEvent(MakeEvent([this] { Recover(); }));
}

void Detective::Catch(NPC* guest) {
  Framework::GetAudioManager().PlaySound("Detective_Catch");
  if (guest) guest->GetPunched(PositionOf(*this));
}

void Detective::Faint(float duration, const Math::Vec3& from) {
  if (addStrikes) addStrikes(1);
  inputEnabled = false;
  faintTime = duration;
  PlayAnimation(from - PositionOf(*this), "Death", true, true);
  if (sprite) sprite->loop = false;
  // The stars circle the head, which follows the fall's mirror image.
  Math::Vec3 overHead = kLyingHeadOffset;
  if (sprite && sprite->size.x < 0.0f) overHead.x = -overHead.x;
  auto stars = Framework::EfxManager::Instance().Play("faint_efx", PositionOf(*this), faintTime, "").lock();
  if (stars) stars->Attach(ownerTransform, overHead);
}

void Detective::Recover() {
  if (!strikesExhausted) {
    // Outside a match (the tutorial) the scene decides when to get up.
    if (sprite) sprite->loop = !sprite->loop;
    return;
  }
  const bool down = strikesExhausted();
  if (sprite) sprite->loop = !down;
  inputEnabled = false;
  if (!down) EnableInput();
  // Still down for good once the strikes are used up; the match's end reads this.
  if (!down) faintTime = 0.0f;
}

void Detective::EndMatch() {
  matchOver = true;
  inputEnabled = false;
  // At once, not in the next frame: the outro's walk takes the walking speed now.
  StandWithoutPlayer();
  CloseMeter(kPressedAway);
}

void Detective::EnableInput() { inputEnabled = !matchOver; }
