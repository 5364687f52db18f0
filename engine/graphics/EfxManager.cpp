#include "engine/graphics/EfxManager.h"

#include <algorithm>
#include <cmath>

#include "engine/core/Engine.h"
#include "engine/core/GameObject.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/Transform.h"
#include "engine/core/VScene.h"
#include "engine/graphics/Sprite.h"

namespace Framework {

// ---- EfxObject ------------------------------------------------------------------

EfxObject::EfxObject(const std::string& effectName, GameObject* carrying)
    : name(effectName),
      object(carrying),
      sprite(carrying ? carrying->GetComponent<Sprite>() : nullptr),
      carrier(GetFactory().GetHandle(carrying)),
      carrierTracked(!carrier.expired()) {}

bool EfxObject::HasObject() {
  if (carrierTracked && carrier.expired()) {
    object = nullptr;
    sprite = nullptr;
    playing = false;
    ClearTarget();
  }
  return object != nullptr;
}

void EfxObject::ClearTarget() {
  target.reset();
  following = false;
  offset = Math::Vec3(0, 0, 0);
}

void EfxObject::Attach(Transform* followed, const Math::Vec3& where) {
  if (followed == nullptr || !HasObject()) return;
  target = GetFactory().GetHandle(followed->GetOwner());
  following = !target.expired();
  offset = where;
  object->GetTransform().position = PlacedOver(followed->position);
}

namespace {

// How far a span of half-width `half` around `centre` must move to lie
// within [low, high]. A span wider than the room keeps its low edge in:
// the start of a bubble (or the top of a mark) is what reads.
float ShiftInto(float centre, float half, float low, float high) {
  float shift = 0.0f;
  if (centre + half > high) shift = high - (centre + half);
  if (centre + shift - half < low) shift = low - (centre - half);
  return shift;
}

}  // namespace

Math::Vec3 EfxObject::Placed(Math::Vec3 at) const {
  if (sprite == nullptr) return at;
  const EfxBounds& bounds = EfxManager::Instance().bounds;
  const Math::Vec2 half(std::fabs(sprite->size.x) / 2.0f, std::fabs(sprite->size.y) / 2.0f);
  at.x += ShiftInto(at.x + sprite->position.x, half.x, bounds.left, bounds.right);
  // The top wins over the bottom: under a HUD bar is where a bubble must not hide.
  at.y -= ShiftInto(-(at.y + sprite->position.y), half.y, -bounds.top, -bounds.bottom);
  return at;
}

Math::Vec3 EfxObject::PlacedOver(const Math::Vec3& targetAt) const {
  const Math::Vec3 at = targetAt + offset;
  return EfxManager::Instance().bounds.Contains(targetAt) ? Placed(at) : at;
}

void EfxObject::Stop() {
  HasObject();
  playing = false;
  if (sprite) sprite->SetEnabled(false);
  ClearTarget();
}

void EfxObject::Show(const Math::Vec3& position, float duration, const std::string& animation) {
  if (!HasObject()) return;
  object->GetTransform().position = Placed(position);
  ClearTarget();
  if (sprite && !animation.empty()) sprite->PlayAnimation(animation);
  playing = true;
  remaining = duration;
  if (sprite) sprite->SetEnabled(true);
}

void EfxObject::Tick(float dt) {
  if (!HasObject() || !playing) return;
  remaining -= dt;
  if (following) {
    const std::shared_ptr<GameObject> followed = target.lock();
    if (!followed) {
      // The target is gone: stay where it was last seen.
      following = false;
    } else {
      object->GetTransform().position = PlacedOver(followed->GetTransform().position);
    }
  }
  if (remaining <= 0.0f) {
    playing = false;
    if (sprite) sprite->SetEnabled(false);
  }
}

// ---- EfxManager -----------------------------------------------------------------

EfxManager& EfxManager::Instance() {
  static EfxManager instance;
  return instance;
}

void EfxManager::Add(const std::string& name, GameObject* object) {
  prototypes[name] = std::make_shared<EfxObject>(name, object);
}

void EfxManager::Clear() {
  prototypes.clear();
  pools.clear();
  bounds = EfxBounds();
}

void EfxManager::LoadSceneEffects() {
  pools.clear();
  if (scene == nullptr) return;
  for (GameObject* object : scene->FindObjectsByTag("efx")) Add(object->GetName(), object);
}

std::shared_ptr<EfxObject> EfxManager::IdleCopy(const std::string& name) {
  std::vector<std::shared_ptr<EfxObject>>& pool = pools[name];
  // Copies whose objects were destroyed can never show again.
  pool.erase(std::remove_if(pool.begin(), pool.end(), [](const auto& copy) { return !copy->HasObject(); }),
             pool.end());
  for (const auto& copy : pool) {
    if (!copy->playing) return copy;
  }
  // Every copy is busy: clone the prototype into the current scene.
  EfxObject& prototype = *prototypes[name];
  if (scene == nullptr || !prototype.HasObject()) return nullptr;
  const std::shared_ptr<GameObject> clone = GetFactory().Clone(prototype.object);
  if (!clone) return nullptr;
  scene->objects.push_back(clone.get());
  pool.push_back(std::make_shared<EfxObject>(name, clone.get()));
  return pool.back();
}

std::weak_ptr<EfxObject> EfxManager::Play(const std::string& name, const Math::Vec3& position, float duration,
                                          const std::string& animation) {
  if (prototypes.count(name) == 0) return {};
  const std::shared_ptr<EfxObject> copy = IdleCopy(name);
  if (!copy) return {};
  copy->Show(position, duration, animation);
  return copy;
}

void EfxManager::Stop(const std::string& name) {
  auto pool = pools.find(name);
  if (pool == pools.end()) return;
  for (const auto& copy : pool->second) copy->Stop();
}

void EfxManager::Update() {
  if (GetEngine().paused) return;
  const float dt = GetEngine().dt;
  for (auto& [name, pool] : pools) {
    const std::vector<std::shared_ptr<EfxObject>> snapshot = pool;
    for (const auto& copy : snapshot) copy->Tick(dt);
  }
}

}  // namespace Framework
