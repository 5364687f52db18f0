#pragma once
#include <map>
#include <set>
#include <string>

#include "engine/core/Scriptable.h"
#include "game/props/UseRecord.h"
#include "game/props/UseResult.h"

namespace Framework {
class AABB;
class Sprite;
}
class User;

// Base of the props (dishes, rigged furniture, alarms): who is using the
// prop and for how long, whether there is room for another user, and the
// one way to use it. Each prop adds its own use rule and sabotage.
class Interactable : public Scriptable {
 public:
  Interactable(Framework::GameObject* owner, std::string propName, int typeId);

  // available = room for another user; then the prop's own per-frame rule.
  void Update() override;
  // Joins the interaction registry, finds the sprite, then OnStart.
  void Start() override;
  // Leaves the interaction registry, then OnStop.
  void Stop() override;

  virtual bool CanInteract(User*) { return true; }
  // Each prop sets its use window here.
  virtual void OnStart() {}
  virtual void OnStop() {}
  virtual void UpdateInteractable() = 0;
  virtual void Sabotage() = 0;
  // The prop's own rule, for a user within reach.
  virtual UseResult Interact(User* user) = 0;

  // Refused (2) unless the user may use the prop; out of reach (3), or
  // finished (0) for a user who walked away holding a use; else Interact.
  UseResult Use(User* user);
  // Holds every required name, and the prop agrees.
  bool CanBeUsedBy(User* user);
  // Uses still running whose user exists and is not a dead guest.
  int CountActiveUsers() const;
  // Starts a record at this frame's time; an existing record stays as it is.
  void AddUser(User* user, float duration);
  void RemoveUser(User* user) { users.erase(user); }
  bool HasUser(User* user) const { return users.count(user) > 0; }
  bool IsUseFinished(User* user) const;
  UseRecord& GetUseRecord(User* user) { return users[user]; }

  // The common start of a timed use: a use of useTimeMin to useTimeMax
  // seconds, or kind "full" (and no record) when every place is taken.
  UseResult StartUse(User* user, const std::string& kind);
  // The common step of a running use: its time advances by the frame time.
  UseResult ContinueUse(User* user, const std::string& kind);
  // Shows the prop's state through its sprite's animation.
  void ShowLook(const std::string& look);

  bool available = true;
  std::string propName;
  std::set<std::string> requiredNames;
  float useTimeMin = 0.0f;
  float useTimeMax = 0.0f;
  int maxUsers = 1;
  std::map<User*, UseRecord> users;
  Framework::Sprite* sprite = nullptr;
  // Found at Start, for the reach check of every use.
  const Framework::AABB* box = nullptr;
};
