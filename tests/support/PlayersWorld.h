#pragma once
// The crowd fixture with the players' side added: keys and pads through the
// test backend and the shipped bindings, the event queue in every frame,
// and objects from the shared archetypes placed where a test wants them.
#include <string>

#include "engine/core/VScene.h"
#include "support/CrowdWorld.h"

namespace TestSupport {

// Gives a role (detectiveController, killerController) to a player while it
// lives; a fixture declares it before the characters that read the role.
struct ScopedRole {
  ScopedRole(int& held, int player) : role(held) { role = player; }
  ~ScopedRole() { role = -1; }
  int& role;
};

class PlayersWorld : public CrowdWorld {
 protected:
  void SetUp() override;

  // Resources/archetypes/<name>.xml at `at`; effect templates join the effects.
  Framework::GameObject& Spawn(const std::string& name, const Math::Vec3& at);
  template <class T>
  T& Spawn(const std::string& name, const Math::Vec3& at) {
    return *Spawn(name, at).GetComponent<T>();
  }
  // A still guest's script is off: it stands where it is put, yet lives,
  // dies and counts like any other.
  NPC& Guest(const Math::Vec3& at, bool still = true);

  // One frame: input, the crowd's frame, then the event queue.
  void Step();
  void Run(float seconds);
  // A key by its key-table name, held or let go.
  void Hold(const std::string& key, bool down = true);
  // Pressed for one frame, then released for one.
  void Tap(const std::string& key);
  Framework::VScene& Scene();
};

}  // namespace TestSupport
