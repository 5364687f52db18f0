#pragma once
// The investigator's player character. It walks and runs, clears the
// bodies of dead guests through its timing meter, uses props, reassures
// the panicking guests around it, and arrests the Killer when it stands
// close and in front of it. An "action" that finds no Killer punches the
// nearest guest in front instead, which costs a panic strike and a faint.
#include <functional>
#include <string>

#include "engine/core/CountdownTimer.h"
#include "engine/core/Vector.h"
#include "game/characters/Character.h"
#include "game/characters/MeterDisplay.h"
#include "game/characters/ReloadMeter.h"

namespace Framework {
class ParticleEmitter;
}
class Killer;
class NPC;

class Detective : public Character {
 public:
  explicit Detective(Framework::GameObject* owner);
  Detective(Framework::GameObject* newOwner, const Detective& other);

  void Serialize(Framework::XMLSerializer& serializer) override;
  void Deserialize(Framework::XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "Detective"; }
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override;
  void Update() override;
  void OnStart() override;

  // The punch itself: the guest turns and staggers.
  void Catch(NPC* guest);
  // Down for `duration` seconds with stars overhead, falling away from `from`.
  void Faint(float duration, const Math::Vec3& from);
  // The match is over: the controls go, and no timer or queued event that
  // runs out later gives them back, since the outro moves the Detective
  // itself. A fresh scene builds a fresh Detective.
  void EndMatch();
  bool MatchOver() const { return matchOver; }
  // Hands the controls back, unless the match is over.
  void EnableInput();

  int controller;
  // Seconds of the current faint; 0 while the Detective is on its feet.
  float faintTime = 0.0f;
  bool inputEnabled = true;
  bool actionsEnabled = true;
  bool arrestEnabled = true;
  bool punchEnabled = true;
  std::function<void(int)> addStrikes;
  std::function<bool()> strikesExhausted;
  float calmDuration = 3.0f;
  float reloadTime = 1.0f;
  float goodSize = 30.0f;
  float perfSize = 10.0f;
  bool meterActive = false;
  bool randomEase = true;
  NPC* meterTarget = nullptr;
  ReloadMeter meter;
  float perfectTime = 1.0f;
  float goodTime = 3.0f;
  Framework::ParticleEmitter* emitter = nullptr;
  CountdownTimer inputTimer;
  CountdownTimer workTimer;
  MeterDisplay meterDisplay;

  // Shared by every Detective for the whole run: the last walking
  // direction, and the walking speed read at the first Update of any.
  static Math::Vec3 facing;
  static float baseSpeed;
  static bool baseSpeedKnown;

 private:
  // Each returns true when it ended the frame's update.
  bool PressInteract();
  bool PressAction();
  void SetRunSpeed(bool running);
  void StandWithoutPlayer();
  void Animate(const std::string& animation);
  void AdvanceMeter(float dt);

  void StartMeter(NPC* guest);
  void PressMeter();
  // Puts the meter `away` units off to the side and forgets its body.
  void CloseMeter(float away);
  void UseOrReassure();
  void Reassure();
  void StartWork();
  void FinishWork();
  // True when `target` is within reach (strictly) and not behind.
  bool InFront(const Math::Vec3& target) const;
  void Arrest(Killer& killer);
  void Punch(NPC& guest);
  void Recover();

  bool matchOver = false;
};
