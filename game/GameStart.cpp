#include "game/GameStart.h"

#include "engine/app/EngineWiring.h"
#include "engine/core/Engine.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/SceneManager.h"
#include "engine/core/WindowsSystem.h"
#include "game/GameComponents.h"
#include "game/GameSceneSteps.h"
#include "game/match/Roles.h"

void StartGame() {
  // The window exists before the engine takes its first tick count, so the
  // second frame's dt spans the whole start-up.
  Framework::WindowsSystem& window = Framework::GetWindowsSystem();
  Framework::Engine& engine = Framework::GetEngine();
  Framework::WireEngine();
  Framework::RegisterSystems(engine);
  engine.Initialize();
  RegisterGameComponents(Framework::GetFactory());
  InstallGameSceneSteps(Framework::GetSceneManager());
  InstallRoleCheck();
  window.Show();
}
