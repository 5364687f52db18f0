#include "game/props/Alarm.h"

#include "engine/audio/AudioManager.h"
#include "engine/core/Engine.h"
#include "engine/core/GameObject.h"
#include "engine/core/SceneManager.h"
#include "engine/core/XMLSerializer.h"
#include "game/FieldCheck.h"
#include "game/GameRandom.h"
#include "game/characters/Killer.h"
#include "game/guests/NPC.h"
#include "game/props/User.h"

using Framework::GameObject;

namespace {

const char* const kFields[] = {"panic_radius", "cooldownMax", "cooldown"};
// A radius reaches from the alarm itself to past the corners of a 1920 x 1080
// window around it; beyond that it is a slip, like NaN or infinity (both of
// which panicked the whole room). A cooldown of up to an hour outlasts any
// match, so a one-shot alarm stays possible; an infinite one never ends.
const FieldRange<float> kRanges[] = {{0.0f, 2500.0f}, {0.0f, 3600.0f}, {0.0f, 3600.0f}};

}  // namespace

Alarm::Alarm(GameObject* owner) : Interactable(owner, "Alarm", Framework::ComponentId::Alarm) {}

Framework::GameComponent* Alarm::Clone(GameObject* newOwner) {
  auto* copy = new Alarm(newOwner);
  copy->cooldownMax = cooldownMax;
  copy->cooldown = cooldown;
  copy->panic_radius = panic_radius;
  return copy;
}

void Alarm::Serialize(Framework::XMLSerializer& serializer) {
  TiXmlElement* parent = serializer.GetCursor();
  if (!parent) return;
  const float values[] = {panic_radius, cooldownMax, cooldown};
  for (int i = 0; i < 3; ++i) Framework::AppendField(parent, kFields[i], "float", values[i]);
}

void Alarm::Deserialize(Framework::XMLSerializer& serializer) {
  float* fields[] = {&panic_radius, &cooldownMax, &cooldown};
  for (int i = 0; i < 3; ++i) ReadCheckedField(serializer, *fields[i], kFields[i], kRanges[i]);
}

bool Alarm::CanInteract(User* user) {
  return user && user->GetOwner() && user->GetOwner()->GetName() == "Player1";
}

void Alarm::OnStart() {
  useTimeMin = 3.0f;
  useTimeMax = 5.0f;
  panicTimeMin = 3.0f;
  panicTimeMax = 5.0f;
}

void Alarm::UpdateInteractable() {
  const float dt = Framework::GetEngine().dt;
  available = !(cooldown > 0.0f);
  if (!available) cooldown -= dt;
  std::string look = available ? "Normal" : "Cooldown";
  if (interactedTimer > 0.0f) {
    look = "Interacted";
    interactedTimer -= dt;
  }
  ShowLook(look);
}

UseResult Alarm::Interact(User*) {
  UseResult result;
  if (!available) return result;
  interactedTimer = panicTimeMax;
  cooldown = cooldownMax + panicTimeMax;
  Raise();
  result.kind = "panic";
  return result;
}

void Alarm::Raise() {
  Framework::GetAudioManager().PlaySound("Alarm");
  PanicGuestsInRange();
  FreeTheKiller();
}

void Alarm::PanicGuestsInRange() {
  Framework::VScene* scene = Framework::GetSceneManager().GetCurrentScene();
  if (!scene) return;
  bool struck = false;
  for (GameObject* object : scene->FindObjectsByTag("enemy")) {
    if (!object->IsEnabled()) continue;
    // Written so that a radius that is no number reaches nobody.
    if (!(Math::Distance(object->GetTransform().position, ownerTransform->position) <= panic_radius)) continue;
    NPC* guest = object->GetComponent<NPC>();
    if (!guest || !guest->alive) continue;
    guest->Panic(RandomBetween(panicTimeMin, panicTimeMax));
    // One strike per raise, through the first panicked guest that reports.
    if (!struck && guest->AddStrikes) {
      guest->AddStrikes(1);
      struck = true;
    }
  }
}

void Alarm::FreeTheKiller() {
  Framework::VScene* scene = Framework::GetSceneManager().GetCurrentScene();
  GameObject* suspect = scene ? scene->FindObject("Player2") : nullptr;
  if (Killer* killer = suspect ? suspect->GetComponent<Killer>() : nullptr) killer->StopUsingProp();
}
