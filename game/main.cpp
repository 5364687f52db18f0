#include <cstdlib>
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

namespace {

// CORVIDALE_SEED fixes the random generator's seed, so a scripted match
// (the end-to-end tests) plays out the same way every time.
unsigned StartSeed() {
  if (const char* fixed = std::getenv("CORVIDALE_SEED")) {
    char* end = nullptr;
    const unsigned long seed = std::strtoul(fixed, &end, 10);
    if (end != fixed && *end == '\0') return static_cast<unsigned>(seed);
    std::cerr << "Error: CORVIDALE_SEED \"" << fixed << "\" is not a number; seeding from the clock" << std::endl;
  }
  return static_cast<unsigned>(Platform::CalendarSeconds());
}

}  // namespace

int main(int, char** argv) {
  Platform::SeedRandom(StartSeed());
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
