#pragma once
#include <functional>
#include <array>
#include <memory>
#include <set>
#include <string>

#include "game/characters/Character.h"

namespace Framework {
class EfxObject;
}
class FSM_STATE;
class Interactable;
class User;

// A dinner guest: a character driven by seven behaviour states. It dies,
// is punched, calmed and scared, shows an emote bubble above its head, and
// once dead its body scares the guests passing by.
class NPC : public Character {
 public:
  enum State { kIdle = 0, kHungry = 1, kBored = 2, kTired = 3, kPanic = 4, kPoisoned = 5, kForceInteract = 6 };
  static constexpr int kStateCount = 7;
  // The only cause of death in play: a kill.
  static constexpr int kKilled = 2;
  static constexpr float kScareDistance = 200.0f;
  static constexpr float kFrameDelay = 0.2f;

  explicit NPC(Framework::GameObject* owner);
  ~NPC() override;

  void Serialize(Framework::XMLSerializer& serializer) override;
  void Deserialize(Framework::XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "NPC"; }
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override;
  void Update() override;
  // Finds its User, prepares the states and joins the crowd.
  void OnStart() override;
  // Leaves the crowd, so no query reaches a guest that is gone.
  void OnStop() override;

  // Exit of the current state now; Enter of the next on its next run.
  void ChangeState(int next);
  void RunState();
  // Its states act through its Moveable and its User; without either it
  // never leaves the state it is in.
  bool CanRunStates() const;
  FSM_STATE* StateAt(int index) const;

  void Die(int cause);
  // Turns to the puncher and plays the punch; returns the puncher's stun time.
  float GetPunched(const Math::Vector3<float>& from);
  void Calm(const Math::Vector3<float>& from, float duration);
  // Nothing for a poisoned guest, which dies of the poison whatever happens.
  void Panic(float duration);
  // Shows the bubble animation (nothing for an empty name) for emote_timer_max seconds.
  void ShowEmote(const std::string& animation);
  void ClearEmote();
  // The prop in use, while it is still in play.
  Interactable* PropInUse() const;

  float calmTimer = 0.0f;
  bool calmed = false;
  int currentState = kIdle;
  bool bodyRemoved = false;
  // By state index; the guest owns them.
  std::array<std::unique_ptr<FSM_STATE>, kStateCount> states;
  float panicTime = 0.0f;
  User* user = nullptr;
  Interactable* currentProp = nullptr;
  std::weak_ptr<Framework::EfxObject> emote;
  float emote_timer_max = 0.0f;
  std::set<NPC*> witnesses;
  bool punched = false;
  float punch_stunduration = 1.0f;
  float murderPanic_Min = 4.0f;
  float murderPanic_Max = 20.0f;
  std::function<void(int)> AddPanicSource;
  std::function<void(int)> AddStrikes;

 private:
  void BuildStates();
  void ScareAPasserBy();
  void RunCalm();
  // Refuses a walking speed that is not a sensible number, naming the file.
  void CheckSpeed(const std::string& file);
  // Shows the named effect following this guest at offset.
  void ShowEffect(const std::string& effect, const std::string& animation, float lifetime,
                  const Math::Vector3<float>& offset);
};
