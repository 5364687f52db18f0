#pragma once
// Holds both player characters still while a tutorial panel waits to be
// read. The characters are handed no player, so their controls read as
// nothing pressed, and get their players back when the panel goes. The
// input manager itself stays untouched: the pause panel, its buttons and
// Alt+F4 keep working, and the characters' own permission flags keep the
// values the steps give them.
class Detective;
class Killer;

class PanelLock {
 public:
  // The player number that reads nothing.
  static constexpr int kNobody = -1;

  // The characters of a scene that has just started, not held yet.
  void Attach(Detective* detective, Killer* killer);
  // Holds or frees the characters; repeating the same call changes nothing.
  void Apply(bool locked);
  // Forgets the characters (their scene is gone) without touching them.
  void Release();

  bool Engaged() const { return engaged; }
  // The Killer's own player, also while it is held; kNobody without a Killer.
  int KillerPlayer() const;

 private:
  Detective* detective = nullptr;
  Killer* killer = nullptr;
  int detectivePlayer = kNobody;
  int killerPlayer = kNobody;
  bool engaged = false;
};
