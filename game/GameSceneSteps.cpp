#include "game/GameSceneSteps.h"

#include "engine/core/SceneManager.h"
#include "game/guests/NPCManager.h"
#include "game/props/InteractionManager.h"

void InstallGameSceneSteps(Framework::SceneManager& scenes) {
  scenes.AddSceneStartHook([] { GetNPCManager().ResetCounters(); });
  scenes.AddObjectsDestroyedHook([] {
    GetNPCManager().Clear();
    GetInteractionManager().Clear();
  });
}
