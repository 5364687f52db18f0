#include "game/guests/EntranceStarter.h"

#include "engine/core/GameObject.h"
#include "engine/core/SceneManager.h"

void StartDetectiveEntrance() {
  Framework::GameObject* start = Framework::GetSceneManager().FindObject("DetectiveStart");
  if (auto* entrance = start ? start->GetComponent<EntranceStarter>() : nullptr) entrance->StartEntrance();
}
