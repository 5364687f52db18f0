#include "support/PlayersWorld.h"

#include "engine/core/EventSystem.h"
#include "engine/core/InputManager.h"
#include "engine/core/SceneManager.h"
#include "engine/graphics/EfxManager.h"
#include "engine/physics/Body.h"
#include "game/guests/NPC.h"
#include "support/InputTestSupport.h"

namespace TestSupport {

void PlayersWorld::SetUp() {
  CrowdWorld::SetUp();
  ResetInput(CORVIDALE_SOURCE_ROOT);
  Framework::GetEventSystem().ClearEvents();
}

Framework::VScene& PlayersWorld::Scene() { return *Framework::GetSceneManager().GetCurrentScene(); }

Framework::GameObject& PlayersWorld::Spawn(const std::string& name, const Math::Vec3& at) {
  Framework::GameObject& object = Build("Resources/archetypes/" + name + ".xml");
  object.GetTransform().position = at;
  if (auto* body = object.GetComponent<Framework::Body>()) body->mPosition = at;
  if (object.GetTag() == "efx") Framework::EfxManager::Instance().Add(name, &object);
  return object;
}

NPC& PlayersWorld::Guest(const Math::Vec3& at, bool still) {
  NPC& guest = AddGuest(at);
  if (still) guest.SetEnabled(false);
  return guest;
}

void PlayersWorld::Step() {
  Framework::GetInputManager().Update(kFrame);
  Frame();
  Framework::GetEventSystem().Update(kFrame);
}

void PlayersWorld::Run(float seconds) {
  for (float t = 0.0f; t < seconds; t += kFrame) Step();
}

void PlayersWorld::Hold(const std::string& key, bool down) {
  backend->SetKeyDown(Framework::keyTable[KeyRow(key)].virtualKey, down);
}

void PlayersWorld::Tap(const std::string& key) {
  Hold(key);
  Step();
  Hold(key, false);
  Step();
}

}  // namespace TestSupport
