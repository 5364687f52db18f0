#include <iostream>

#include "engine/app/EngineWiring.h"
#include "engine/core/Engine.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/SceneManager.h"
#include "engine/core/WindowsSystem.h"
#include "engine/platform/Platform.h"
#include "game/GameComponents.h"
#include "game/GameSceneSteps.h"
#include "game/match/Roles.h"
#include "game/scenes/GameScenes.h"

int main(int, char** argv) {
  Platform::SeedRandom(static_cast<unsigned>(Platform::CalendarSeconds()));
  if (!Platform::EnterResourceFolder(argv[0]))
    std::cerr << "Error: no Resources folder beside the game or in its source tree" << std::endl;
  Platform::SetBackend(Platform::CreateSdlBackend());

  // The window exists before the engine takes its first tick count, so the
  // second frame's dt spans the whole start-up.
  Framework::WindowsSystem& window = Framework::GetWindowsSystem();
  Framework::Engine& engine = Framework::GetEngine();
  Framework::WireEngine();
  Framework::RegisterSystems(engine);
  engine.Initialize();
  RegisterGameComponents(Framework::GetFactory());
  InstallGameSceneSteps(Framework::GetSceneManager());

  window.Show();
  window.SetFullscreen(false);
  Platform::Current().ShowCursor(false);
  window.SetFullscreen(true);

  InstallRoleCheck();
  AddGameScenes();
  engine.GameLoop();

  // Explicit teardown: scene objects and GL resources go while the systems
  // they leave still exist, then the desktop mode, the window and SDL.
  engine.Shutdown();
  window.SetFullscreen(false);
  Platform::Shutdown();
  return 0;
}
