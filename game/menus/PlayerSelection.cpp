#include "game/menus/PlayerSelection.h"

#include "engine/core/GameObject.h"
#include "engine/core/InputManager.h"
#include "engine/core/SceneManager.h"
#include "engine/core/XMLSerializer.h"
#include "game/match/Roles.h"

namespace {

const char* const kSpotNames[] = {"pOneOriginal", "pTwoOriginal", "dSpot", "kSpot"};

void MoveMarker(Framework::GameObject* marker, const Math::Vec3& spot) { marker->GetTransform().position = spot; }

}  // namespace

PlayerSelection::PlayerSelection(Framework::GameObject* owner)
    : Scriptable(owner, Framework::ComponentId::PlayerSelection) {}

void PlayerSelection::Serialize(Framework::XMLSerializer& serializer) {
  TiXmlElement* parent = serializer.GetCursor();
  if (parent == nullptr) return;
  const Math::Vec3* spots[] = {&pOneOriginal, &pTwoOriginal, &dSpot, &kSpot};
  for (int i = 0; i < 4; ++i) Framework::AppendField(parent, kSpotNames[i], "Vec3", *spots[i]);
}

void PlayerSelection::Deserialize(Framework::XMLSerializer& serializer) {
  Math::Vec3* spots[] = {&pOneOriginal, &pTwoOriginal, &dSpot, &kSpot};
  for (int i = 0; i < 4; ++i) Framework::XMLReadVector3(serializer, *spots[i], kSpotNames[i]);
}

Framework::GameComponent* PlayerSelection::Clone(Framework::GameObject* newOwner) {
  return new PlayerSelection(newOwner);
}

void PlayerSelection::Start() {
  marker1 = marker2 = nullptr;
  for (Framework::GameObject* object : Framework::GetSceneManager().FindObjectsByTag("controller")) {
    if (object->GetName() == "Controller1") marker1 = object;
    if (object->GetName() == "Controller2") marker2 = object;
  }
  // Start runs again at scene start, when every object of the scene exists:
  // a selector built before its markers finds them then.
  SetEnabled(marker1 != nullptr && marker2 != nullptr);
  if (!enabled) return;
  Restore(detectiveController, kDetective, dSpot);
  Restore(killerController, kKiller, kSpot);
}

void PlayerSelection::Restore(int player, int role, const Math::Vec3& spot) {
  if (player == 1) {
    choice1 = role;
    MoveMarker(marker1, spot);
  } else if (player == 2) {
    choice2 = role;
    MoveMarker(marker2, spot);
  }
}

void PlayerSelection::Update() {
  Choose(1, choice1, choice2, marker1, pOneOriginal);
  Choose(2, choice2, choice1, marker2, pTwoOriginal);
}

void PlayerSelection::Choose(int player, int& choice, int otherChoice, Framework::GameObject* marker,
                             const Math::Vec3& home) {
  Framework::InputManager& input = Framework::GetInputManager();
  if (input.IsActionTriggered(player, "moveleft")) {
    if (choice == kUndecided && otherChoice != kDetective) {
      choice = kDetective;
      detectiveController = player;
      MoveMarker(marker, dSpot);
    } else if (choice == kKiller) {
      killerController = -1;
      choice = kUndecided;
      MoveMarker(marker, home);
    }
  } else if (input.IsActionTriggered(player, "moveright")) {
    if (choice == kUndecided && otherChoice != kKiller) {
      choice = kKiller;
      killerController = player;
      MoveMarker(marker, kSpot);
    } else if (choice == kDetective) {
      detectiveController = -1;
      choice = kUndecided;
      MoveMarker(marker, home);
    }
  }
}
