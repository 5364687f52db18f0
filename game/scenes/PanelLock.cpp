#include "game/scenes/PanelLock.h"

#include "game/characters/Detective.h"
#include "game/characters/Killer.h"

void PanelLock::Attach(Detective* newDetective, Killer* newKiller) {
  detective = newDetective;
  killer = newKiller;
  engaged = false;
}

void PanelLock::Apply(bool locked) {
  if (locked == engaged) return;
  engaged = locked;
  if (locked) {
    if (detective) detectivePlayer = detective->controller;
    if (killer) killerPlayer = killer->controller;
  }
  if (detective) detective->controller = locked ? kNobody : detectivePlayer;
  if (killer) killer->controller = locked ? kNobody : killerPlayer;
}

void PanelLock::Release() { Attach(nullptr, nullptr); }

int PanelLock::KillerPlayer() const {
  if (!killer) return kNobody;
  return engaged ? killerPlayer : killer->controller;
}
