#pragma once
// Named short visual effects (emotes, panic marks, faint stars): a scene's
// "efx"-tagged objects serve as prototypes; playing an effect shows an
// idle copy (cloned on demand) at a place for a while, optionally
// following another object.
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Vector.h"

namespace Framework {

class GameObject;
class Sprite;
class Transform;
class VScene;

class EfxObject {
 public:
  EfxObject(const std::string& effectName, GameObject* carrier);

  // Keeps the effect at target + offset until it stops or the target's
  // object is destroyed.
  void Attach(Transform* target, const Math::Vec3& offset);
  void Stop();
  // Reset to a fresh showing at position.
  void Show(const Math::Vec3& position, float duration, const std::string& animation);
  // One frame: count down, follow; hides itself when the time is up.
  void Tick(float dt);
  bool IsFollowing() const { return following; }
  // True while the effect follows that object.
  bool Follows(const GameObject* followed) const { return following && target.lock().get() == followed; }
  // False once the carrying object has been destroyed; object and sprite
  // are then null.
  bool HasObject();
  // Where the effect shows when asked for `at`: moved just enough that
  // its sprite stays inside the manager's bounds.
  Math::Vec3 Placed(Math::Vec3 at) const;
  // Where a following effect shows over its target at `targetAt`: placed
  // as above while the target is inside the bounds; a target out of sight
  // keeps its effect out of sight too.
  Math::Vec3 PlacedOver(const Math::Vec3& targetAt) const;

  std::string name;
  GameObject* object;
  Sprite* sprite;
  float remaining = 0.0f;
  bool playing = false;
  bool following = false;
  Math::Vec3 offset;

 private:
  void ClearTarget();
  // The carrier through a weak handle when the object factory owns it, so
  // a copy whose object was destroyed stops touching it.
  std::weak_ptr<GameObject> carrier;
  bool carrierTracked = false;
  // The followed object, through a weak handle, so a destroyed target is
  // noticed instead of read.
  std::weak_ptr<GameObject> target;
};

// The part of the world where effects show whole. Unbounded by default.
struct EfxBounds {
  bool Contains(const Math::Vec3& at) const {
    return at.x >= left && at.x <= right && at.y >= bottom && at.y <= top;
  }

  float left = -std::numeric_limits<float>::infinity();
  float bottom = -std::numeric_limits<float>::infinity();
  float right = std::numeric_limits<float>::infinity();
  float top = std::numeric_limits<float>::infinity();
};

class EfxManager {
 public:
  static EfxManager& Instance();

  void SetScene(VScene* current) { scene = current; }
  void Add(const std::string& name, GameObject* object);
  void Clear();
  void LoadSceneEffects();
  // Empty handle when no prototype has that name, or when a copy would
  // have to be cloned but no scene is current or the prototype is gone.
  std::weak_ptr<EfxObject> Play(const std::string& name, const Math::Vec3& position, float duration,
                                const std::string& animation);
  void Stop(const std::string& name);
  // Per frame; nothing counts down while the engine is paused.
  void Update();

  const std::map<std::string, std::vector<std::shared_ptr<EfxObject>>>& Pools() const { return pools; }

  // Where effects may show: a scene sets it from its view, with the top
  // under whatever covers the top edge (a HUD bar), so that bubbles over
  // people standing at any wall stay in sight, while those of people
  // outside the view stay out of it. A scene change lifts it.
  EfxBounds bounds;

 private:
  EfxManager() = default;
  std::shared_ptr<EfxObject> IdleCopy(const std::string& name);

  VScene* scene = nullptr;
  std::map<std::string, std::shared_ptr<EfxObject>> prototypes;
  std::map<std::string, std::vector<std::shared_ptr<EfxObject>>> pools;
};

}  // namespace Framework
