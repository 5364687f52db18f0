#pragma once
#include <functional>
#include <string>
#include <vector>

#include "engine/core/Vector.h"

namespace Framework {
class GameObject;
class Transform;
}
class Moveable;
class NPC;
class User;

// One behaviour of a guest. The guest switches states through
// NPC::ChangeState; a state's Enter runs on its first Run after the switch,
// and its Exit runs at once when the guest leaves it.
class FSM_STATE {
 public:
  explicit FSM_STATE(NPC* owner) : owner(owner) {}
  virtual ~FSM_STATE() = default;
  FSM_STATE(const FSM_STATE&) = delete;
  FSM_STATE& operator=(const FSM_STATE&) = delete;

  // Caches the guest's User, Moveable and transform.
  virtual void Initialize();
  virtual void Enter() {}
  virtual void Execute() {}
  virtual void Exit() {}
  // Once per frame for the current state; nothing for a guest without a
  // User or a Moveable.
  void Run();

  User* user = nullptr;
  NPC* owner;
  Moveable* moveable = nullptr;
  Framework::Transform* transform = nullptr;
  bool entered = false;
  bool leaving = false;

 protected:
  Math::Vec3 Position() const;
  // Plays the directional variant of animation facing direction.
  void Face(const Math::Vec3& direction, const std::string& animation);
  void ChangeState(int next);
  static float FrameTime();
  // The scene's objects tagged "interactable", in scene order.
  static std::vector<Framework::GameObject*> Props();
  // The nearest of the objects that accepts (any, without a test); of two
  // at the same distance the earlier one.
  Framework::GameObject* Nearest(const std::vector<Framework::GameObject*>& objects,
                                 const std::function<bool(Framework::GameObject&)>& accepts = {}) const;
};
