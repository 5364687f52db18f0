#include <cstdlib>
#include <iostream>

#include "engine/core/Engine.h"
#include "engine/core/WindowsSystem.h"
#include "engine/platform/Platform.h"
#include "game/GameStart.h"
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

  StartGame();
  Framework::WindowsSystem& window = Framework::GetWindowsSystem();
  Framework::Engine& engine = Framework::GetEngine();
  window.SetFullscreen(false);
  Platform::Current().ShowCursor(false);
  window.SetFullscreen(true);

  AddGameScenes();
  engine.GameLoop();

  // Explicit teardown: scene objects and GL resources go while the systems
  // they leave still exist, then the desktop mode, the window and SDL.
  engine.Shutdown();
  window.SetFullscreen(false);
  Platform::Shutdown();
  return 0;
}
