#include "game/guests/NPC.h"

#include <cfloat>

#include "engine/audio/AudioManager.h"
#include "engine/core/Engine.h"
#include "engine/core/GameObject.h"
#include "engine/core/XMLSerializer.h"
#include "engine/graphics/EfxManager.h"
#include "engine/graphics/Sprite.h"
#include "game/FieldCheck.h"
#include "engine/physics/AABB.h"
#include "engine/physics/Body.h"
#include "engine/physics/Moveable.h"
#include "game/GameRandom.h"
#include "game/guests/NPCManager.h"
#include "game/guests/states/FSM_BORED.h"
#include "game/guests/states/FSM_FORCEINTERACT.h"
#include "game/guests/states/FSM_HUNGRY.h"
#include "game/guests/states/FSM_IDLE.h"
#include "game/guests/states/FSM_PANIC.h"
#include "game/guests/states/FSM_POISONED.h"
#include "game/guests/states/FSM_TIRED.h"
#include "game/props/Interactable.h"
#include "game/props/InteractionManager.h"
#include "game/props/User.h"

namespace {

const Math::Vector3<float> kEmoteOffset(-25.0f, 50.0f, 0.0f);
const Math::Vector3<float> kPanicOffset(0.0f, 50.0f, 0.0f);
const char* const kFields[] = {"interaction_range", "emote_timer_max", "punch_stunduration", "murderPanic_Min",
                               "murderPanic_Max"};
// A reach past the room would let a guest use every prop from anywhere; a
// bubble, a stun or a scare of minutes would leave the guest out of play.
constexpr FieldRange<float> kReachRange{1.0f, 1000.0f};
constexpr FieldRange<float> kEmoteRange{0.0f, 60.0f};
constexpr FieldRange<float> kStunRange{0.0f, 60.0f};
constexpr float kLongestScare = 120.0f;
// Faster than the room is wide in a second would carry a guest through walls.
constexpr FieldRange<float> kSpeedRange{0.0f, 2000.0f};
// The walk of the shipped guests.
constexpr float kGuestSpeed = 240.0f;

}  // namespace

NPC::NPC(Framework::GameObject* owner) : Character(owner, kGuest, Framework::ComponentId::NPC) { BuildStates(); }

NPC::~NPC() = default;

void NPC::BuildStates() {
  states[kIdle] = std::make_unique<FSM_IDLE>(this);
  states[kHungry] = std::make_unique<FSM_HUNGRY>(this);
  states[kBored] = std::make_unique<FSM_BORED>(this);
  states[kTired] = std::make_unique<FSM_TIRED>(this);
  states[kPanic] = std::make_unique<FSM_PANIC>(this);
  states[kPoisoned] = std::make_unique<FSM_POISONED>(this);
  states[kForceInteract] = std::make_unique<FSM_FORCEINTERACT>(this);
}

void NPC::Serialize(Framework::XMLSerializer& serializer) {
  TiXmlElement* parent = serializer.GetCursor();
  if (!parent) return;
  const float values[] = {interactionRange, emote_timer_max, punch_stunduration, murderPanic_Min, murderPanic_Max};
  for (int i = 0; i < 5; ++i) Framework::AppendField(parent, kFields[i], "float", values[i]);
}

void NPC::Deserialize(Framework::XMLSerializer& serializer) {
  serializer.BeginComponent("NPC");
  ReadCheckedField(serializer, interactionRange, kFields[0], kReachRange);
  ReadCheckedField(serializer, emote_timer_max, kFields[1], kEmoteRange);
  ReadCheckedField(serializer, punch_stunduration, kFields[2], kStunRange);
  ReadCheckedField(serializer, murderPanic_Min, kFields[3], {0.0f, kLongestScare});
  // The bounds of a draw: the longest scare is never shorter than the shortest.
  ReadCheckedField(serializer, murderPanic_Max, kFields[4], {murderPanic_Min, kLongestScare});
  serializer.EndComponent();
  CheckSpeed(serializer.GetFileName());
}

// The guest's walk is read with its Moveable, ahead of this component in
// its archetype; a NaN speed would carry the guest off the floor.
void NPC::CheckSpeed(const std::string& file) {
  auto* walk = GetComponent<Moveable>();
  if (walk && !AcceptField(walk->mSpeed, kSpeedRange, kGuestSpeed, file, "mSpeed")) walk->mSpeed = kGuestSpeed;
}

Framework::GameComponent* NPC::Clone(Framework::GameObject* newOwner) {
  auto* copy = new NPC(newOwner);
  copy->alive = alive;
  copy->hungry = hungry;
  copy->currentState = currentState;
  copy->AddPanicSource = AddPanicSource;
  // The bubbles of a copy last as long as the original's: with no time
  // they would vanish the moment they appear.
  copy->emote_timer_max = emote_timer_max;
  copy->punch_stunduration = punch_stunduration;
  copy->murderPanic_Min = murderPanic_Min;
  copy->murderPanic_Max = murderPanic_Max;
  return copy;
}

void NPC::OnStart() {
  user = GetComponent<User>();
  for (auto& state : states) state->Initialize();
  GetNPCManager().npcs.insert(this);
  punched = false;
  calmTimer = 0.0f;
  calmed = false;
}

void NPC::OnStop() { GetNPCManager().npcs.erase(this); }

FSM_STATE* NPC::StateAt(int index) const {
  return index >= 0 && index < kStateCount ? states[index].get() : nullptr;
}

void NPC::ChangeState(int next) {
  if (FSM_STATE* leaving = StateAt(currentState)) {
    leaving->leaving = true;
    leaving->Exit();
  }
  currentState = next;
  if (FSM_STATE* entering = StateAt(currentState)) {
    entering->leaving = false;
    entering->entered = false;
  }
}

bool NPC::CanRunStates() const { return GetComponent<Moveable>() && GetComponent<User>(); }

void NPC::RunState() {
  if (Framework::GetEngine().paused) return;
  if (FSM_STATE* state = StateAt(currentState)) state->Run();
}

void NPC::Update() {
  if (!alive) {
    ScareAPasserBy();
  } else if (calmed) {
    RunCalm();
  } else if (punched) {
    if (!sprite || sprite->IsAnimationFinished()) {
      punched = false;
      if (sprite) sprite->frameDelay = kFrameDelay;
    }
  } else {
    RunState();
  }
}

void NPC::ScareAPasserBy() {
  NPC* witness = GetNPCManager().FindNearestNPC(
      owner, [this](NPC* other) { return other->currentState != kPanic && witnesses.count(other) == 0; });
  if (!witness || !owner) return;
  const Math::Vec3& here = owner->GetTransform().position;
  if (!(Math::Distance(witness->GetOwnerTransform()->position, here) < kScareDistance)) return;
  witness->Panic(RandomBetween(witness->murderPanic_Min, witness->murderPanic_Max));
  witnesses.insert(witness);
}

void NPC::RunCalm() {
  calmTimer -= Framework::GetEngine().dt;
  if (calmTimer > 0.0f) return;
  calmed = false;
  calmTimer = 0.0f;
  // Scared while calmed: the panic goes on with its mark.
  if (currentState == kPanic) return;
  ClearEmote();
  ShowEmote("Happy");
}

void NPC::Die(int cause) {
  if (sprite) {
    sprite->PlayAnimation("Death");
    sprite->loop = false;
  }
  if (auto* box = GetComponent<Framework::AABB>()) box->SetEnabled(false);
  alive = false;
  if (body) body->velocity = Math::Vector3<float>();
  if (moveable) moveable->Stop();
  Framework::GetAudioManager().PlaySound(male ? "MaleDeath" : "FemaleDeath");
  GetNPCManager().RecordDeath(cause);
  if (AddStrikes) AddStrikes(1);
  ClearEmote();
  // The forced guest's death still lets the Detective in.
  if (currentState == kForceInteract) static_cast<FSM_FORCEINTERACT*>(StateAt(kForceInteract))->SignalEntrance();
}

float NPC::GetPunched(const Math::Vector3<float>& from) {
  if (sprite) sprite->frameDelay = 0.1f;
  if (ownerTransform) PlayAnimation(from - ownerTransform->position, "Punch", true, true);
  if (moveable) moveable->Stop();
  punched = true;
  Framework::GetAudioManager().PlaySound("Punch");
  ClearEmote();
  return punch_stunduration;
}

void NPC::Calm(const Math::Vector3<float>& from, float duration) {
  // Leave the state first: a panic's exit takes its mark down, and would
  // take the calm's bubble with it.
  ChangeState(kIdle);
  calmed = true;
  calmTimer = duration;
  if (ownerTransform) PlayAnimation(from - ownerTransform->position, "Idle", true, true);
  if (moveable) moveable->Stop();
  // Shown for the whole calm, however briefly the guest's own bubbles last.
  ClearEmote();
  ShowEffect("Emote", "Dots", duration, kEmoteOffset);
}

void NPC::Panic(float duration) {
  // The poison is already at work: a scare must not cure it (the guest
  // would stay green for the rest of the match and never die of it).
  if (currentState == kPoisoned) return;
  panicTime = duration;
  if (Interactable* prop = PropInUse()) prop->RemoveUser(user);
  ChangeState(kPanic);
  Framework::GetAudioManager().PlaySound(male ? "Male_Scream" : "Female_Scream");
  ClearEmote();
  ShowEffect("Panic", "", FLT_MAX, kPanicOffset);
}

Interactable* NPC::PropInUse() const {
  return currentProp && GetInteractionManager().interactables.count(currentProp) ? currentProp : nullptr;
}

void NPC::ShowEmote(const std::string& animation) {
  ClearEmote();
  if (!animation.empty()) ShowEffect("Emote", animation, emote_timer_max, kEmoteOffset);
}

void NPC::ShowEffect(const std::string& effect, const std::string& animation, float lifetime,
                     const Math::Vector3<float>& offset) {
  if (!ownerTransform) return;
  const Math::Vec3 at = ownerTransform->position + offset;
  // A scene without the effect object shows nothing.
  const std::shared_ptr<Framework::EfxObject> shown =
      Framework::EfxManager::Instance().Play(effect, at, lifetime, animation).lock();
  if (!shown) return;
  shown->Attach(ownerTransform, offset);
  if (shown->object) shown->object->GetTransform().position = at;
  emote = shown;
}

void NPC::ClearEmote() {
  const std::shared_ptr<Framework::EfxObject> shown = emote.lock();
  // A bubble that ran out may already be showing over another guest.
  if (shown && shown->Follows(owner)) shown->Stop();
}
