// The busiest level's full frames: level3_3 (forty guests, nine props, the
// carnival's decor, HUD and effects) played by the real game at 1280 x 720
// on the display (Xvfb with Mesa's software OpenGL under the test command),
// each frame every system's Update and then the four-pass draw and the swap,
// without the frame pacing's wait. It reports frames per second and the
// update's share of the frame, then times the sprites benchmark's kind of
// frame (plain animated 32-px sprites, the same draw and swap) with as many
// sprites as the level shows, so the two can be compared.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "engine/core/Engine.h"
#include "engine/core/SceneManager.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "engine/platform/Platform.h"
#include "engine/platform/SdlBackend.h"
#include "game/GameStart.h"
#include "game/match/Roles.h"
#include "game/scenes/GameScenes.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kLevel = "level3_3";
constexpr float kFrameTime = 1.0f / 60.0f;

Framework::Engine& engine = Framework::GetEngine();
Framework::SceneManager& scenes = Framework::GetSceneManager();

struct Figures {
  double matchFps = 0.0, updateShare = 0.0, spritesFps = 0.0;
  int sprites = 0;
};
Figures figures;

// The game as main starts it, with both roles taken, gone straight to the level.
bool StartMatch() {
  static bool started = false, ok = false;
  if (started) return ok;
  started = true;
  Platform::SeedRandom(1);
  Platform::SetBackend(std::make_unique<Platform::SdlBackend>());
  StartGame();
  Platform::Current().SetSwapInterval(0);
  detectiveController = 1;
  killerController = 2;
  AddGameScenes();
  scenes.ChangeScene(kLevel);
  // Into the level, past its fade-in and the opening, with the crowd about.
  const uint64_t until = Platform::Ticks() + 60 * Platform::kTicksPerSecond;
  int framesInLevel = 0;
  while (framesInLevel < 600 && Platform::Ticks() < until) {
    engine.RunFrame();
    if (scenes.CurrentSceneKey() == kLevel) ++framesInLevel;
  }
  ok = scenes.CurrentSceneKey() == kLevel && SDL_GL_GetCurrentContext() != nullptr;
  return ok;
}

int ShownSprites() {
  int shown = 0;
  for (const auto& layer : Framework::GetGraphicsSystem().layers) {
    for (Framework::Sprite* sprite : layer.sprites) shown += sprite->IsEnabled();
  }
  return shown;
}

// One frame as the loop runs it, timed in two parts; returns the update's seconds.
double FullFrame(double& drawSeconds) {
  const Clock::time_point start = Clock::now();
  for (Framework::System* system : engine.systems) system->Update(kFrameTime);
  const Clock::time_point updated = Clock::now();
  if (Framework::GetEngineHooks().drawFrame) Framework::GetEngineHooks().drawFrame();
  Platform::Current().SwapBuffers();
  drawSeconds += std::chrono::duration<double>(Clock::now() - updated).count();
  return std::chrono::duration<double>(updated - start).count();
}

void BM_BusiestLevelFullFrame(benchmark::State& state) {
  if (!StartMatch()) {
    state.SkipWithError("the level did not start (no OpenGL window? is DISPLAY set?)");
    return;
  }
  double updateSeconds = 0.0, drawSeconds = 0.0;
  for (auto _ : state) updateSeconds += FullFrame(drawSeconds);
  figures.sprites = ShownSprites();
  figures.matchFps = static_cast<double>(state.iterations()) / (updateSeconds + drawSeconds);
  figures.updateShare = updateSeconds / (updateSeconds + drawSeconds);
  state.counters["fps"] = figures.matchFps;
  state.counters["update_share"] = figures.updateShare;
  state.counters["sprites"] = figures.sprites;
}
BENCHMARK(BM_BusiestLevelFullFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5.0);

// The sprites benchmark's frame with the level's sprite count: the level's
// own sprites are set aside from the layers meanwhile.
void BM_PlainSpritesAtTheLevelsCount(benchmark::State& state) {
  if (!StartMatch() || figures.sprites == 0) {
    state.SkipWithError("needs the level's frame benchmark first");
    return;
  }
  Framework::GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  std::vector<std::vector<Framework::Sprite*>> levelSprites;
  for (auto& layer : graphics.layers) levelSprites.push_back(layer.sprites);
  graphics.ClearLayers();
  graphics.textures->LoadTexture("bench_sheet", "tests/graphics/data/sheet_128x64.png",
                                 {Framework::AnimationRecord{"Strip", 4, 0, 0, 128, 32}});
  std::vector<std::unique_ptr<Framework::Sprite>> sprites;
  for (int i = 0; i < figures.sprites; ++i) {
    // Spread over the window on a fixed pattern, as the sprites benchmark does.
    const Math::Vec2 at(static_cast<float>((i * 397) % 1280 - 640), static_cast<float>((i * 211) % 720 - 360));
    auto sprite = std::make_unique<Framework::Sprite>(nullptr, at, Math::Vec2(32, 32), 0.0f, 0);
    sprite->textureID = "bench_sheet";
    sprite->currentAnimSet = "Strip";
    sprite->frameDelay = 0.05f;
    sprites.push_back(std::move(sprite));
  }
  auto frame = [&graphics] {
    graphics.Update(kFrameTime);
    graphics.RenderFrame();
    Platform::Current().SwapBuffers();
  };
  frame();
  const Clock::time_point start = Clock::now();
  for (auto _ : state) frame();
  figures.spritesFps =
      static_cast<double>(state.iterations()) / std::chrono::duration<double>(Clock::now() - start).count();
  state.counters["fps"] = figures.spritesFps;
  sprites.clear();
  for (std::size_t i = 0; i < levelSprites.size(); ++i) graphics.layers[i].sprites = levelSprites[i];
}
BENCHMARK(BM_PlainSpritesAtTheLevelsCount)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::current_path(CORVIDALE_SOURCE_ROOT);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  if (figures.matchFps > 0.0) {
    std::printf("\n%s: %d sprites shown, %.1f full frames per second, update %.0f %% of the frame\n", kLevel,
                figures.sprites, figures.matchFps, figures.updateShare * 100.0);
    if (figures.spritesFps > 0.0) {
      std::printf("plain sprites benchmark frame with %d sprites: %.1f fps; the level runs at %.2f of that%s\n",
                  figures.sprites, figures.spritesFps, figures.matchFps / figures.spritesFps,
                  figures.matchFps >= 60.0 ? "" : " (below the 60 fps goal)");
    }
  }
  engine.Shutdown();
  Platform::Shutdown();
  benchmark::Shutdown();
  return 0;
}
