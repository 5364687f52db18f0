#include "game/props/Explodable.h"

#include "engine/audio/AudioManager.h"
#include "engine/core/Engine.h"
#include "engine/core/GameObject.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/SceneManager.h"
#include "engine/core/XMLSerializer.h"
#include "engine/graphics/Sprite.h"
#include "game/FieldCheck.h"
#include "game/guests/NPC.h"
#include "game/props/PlayerUse.h"

using Framework::GameObject;

namespace {

// The rigged look waits a little longer than a use lasts.
constexpr float kLookDelayAfterUse = 3.5f;
// From the prop itself to past the corners of a 1920 x 1080 window around it:
// a wider blast reaches beyond every wall, and so reads as a slip, as NaN or
// infinity would (either one killed every guest in the room).
constexpr FieldRange<float> kBlastRadii{0.0f, 2500.0f};

}  // namespace

Explodable::Explodable(GameObject* owner) : Interactable(owner, "Explodable", Framework::ComponentId::Explodable) {}

Framework::GameComponent* Explodable::Clone(GameObject* newOwner) {
  auto* copy = new Explodable(newOwner);
  copy->look.shown = look.shown;
  copy->sabotaged = sabotaged;
  copy->broken = broken;
  copy->explosion_radius = explosion_radius;
  return copy;
}

void Explodable::Serialize(Framework::XMLSerializer& serializer) {
  if (TiXmlElement* parent = serializer.GetCursor()) Framework::AppendField(parent, "explosion_radius", "float", explosion_radius);
}

void Explodable::Deserialize(Framework::XMLSerializer& serializer) {
  ReadCheckedField(serializer, explosion_radius, "explosion_radius", kBlastRadii);
  requiredNames.insert("interact");
}

bool Explodable::CanInteract(User*) { return !broken; }

void Explodable::OnStart() {
  useTimeMin = 3.0f;
  useTimeMax = 5.0f;
}

void Explodable::UpdateInteractable() {
  RemoveFinishedExplosions();
  if (sabotaged) {
    look.Advance(Framework::GetEngine().dt, useTimeMin + kLookDelayAfterUse, useTimeMax + kLookDelayAfterUse);
  }
  if (broken) available = false;
  ShowLook(broken ? "Broken" : SabotageLook(look.shown, available));
}

UseResult Explodable::Interact(User* user) {
  // Busy until the next Update counts the users again.
  available = false;
  if (!HasUser(user)) return StartUse(user, "play");
  if (!IsUseFinished(user)) return ContinueUse(user, "play");
  UseResult result;
  result.kind = "play";
  if (!IsPlayer(user) && sabotaged && !broken) {
    result.kind = "explosion";
    Explode();
    broken = true;
    Framework::GetAudioManager().PlaySound("Explosion");
  }
  return result;
}

void Explodable::Explode() {
  KillGuestsInRange();
  ShowExplosion();
}

void Explodable::KillGuestsInRange() {
  Framework::VScene* scene = Framework::GetSceneManager().GetCurrentScene();
  if (!scene) return;
  const Math::Vec3 here = ownerTransform->position;
  // A copy: deaths may change the scene's lists.
  const std::vector<GameObject*> guests = scene->FindObjectsByTag("enemy");
  for (GameObject* guest : guests) {
    // Written so that a radius that is no number reaches nobody.
    if (!(Math::Distance(guest->GetTransform().position, here) <= explosion_radius)) continue;
    NPC* victim = guest->GetComponent<NPC>();
    // Bodies already lying there are not killed again.
    if (victim && victim->alive) victim->Die(NPC::kKilled);
  }
}

void Explodable::ShowExplosion() {
  Framework::VScene* scene = Framework::GetSceneManager().GetCurrentScene();
  if (!scene) return;
  // A copy taken before any clone joins the scene's object list.
  const std::vector<GameObject*> templates = scene->FindObjectsByTag("efx");
  for (GameObject* effect : templates) {
    if (effect->GetName() != "explosion_efx") continue;
    const std::shared_ptr<GameObject> blast = Framework::GetFactory().Clone(effect);
    if (!blast) continue;
    blast->GetTransform().position = ownerTransform->position;
    // The copy's sprite starts from its first frame (a sprite does when it
    // is initialised), even if the template had played to its end.
    if (auto* burst = blast->GetComponent<Framework::Sprite>()) {
      burst->loop = false;
      burst->SetEnabled(true);
    }
    scene->objects.push_back(blast.get());
    explosions.push_back(blast);
  }
}

void Explodable::RemoveFinishedExplosions() {
  Framework::VScene* scene = Framework::GetSceneManager().GetCurrentScene();
  for (auto it = explosions.begin(); it != explosions.end();) {
    const std::shared_ptr<GameObject> blast = it->lock();
    auto* burst = blast ? blast->GetComponent<Framework::Sprite>() : nullptr;
    if (blast && burst && !burst->IsAnimationFinished()) {
      ++it;
      continue;
    }
    if (blast && scene) scene->removalQueue.push_back(blast.get());
    it = explosions.erase(it);
  }
}
