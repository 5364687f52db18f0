// Sprites per frame: N textured, animated sprites at 1280 x 720 through the
// engine's full frame (Update, the four-pass RenderFrame, the swap), and the
// same N sprites through SDL2's own 2D renderer, the usual alternative for a
// 2D game, taking turns in short slices. Both run on the same display (Xvfb
// with Mesa's software OpenGL under the test command) with the swap interval
// off, so the numbers compare throughput. Also the cost of an empty frame.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/ImageFile.h"
#include "engine/graphics/Sprite.h"
#include "engine/platform/Platform.h"
#include "engine/platform/SdlBackend.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr int kFrames = 4;         // the strip's frames
constexpr float kFrameTime = 1.0f / 60.0f;
const char* const kSheet = "tests/graphics/data/sheet_128x64.png";

struct Placement {
  float x, y;
  unsigned firstFrame;
};

std::vector<Placement> Placements(int count) {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> x(-kWidth / 2.0f, kWidth / 2.0f), y(-kHeight / 2.0f, kHeight / 2.0f);
  std::vector<Placement> placements;
  for (int i = 0; i < count; ++i) placements.push_back({x(random), y(random), static_cast<unsigned>(i % kFrames)});
  return placements;
}

// ---- The engine's renderer -----------------------------------------------------------

SDL_Window* engineWindow = nullptr;
SDL_GLContext engineContext = nullptr;

bool StartEngine() {
  static bool started = false;
  static bool ok = false;
  if (started) return ok;
  started = true;
  Platform::SetBackend(std::make_unique<Platform::SdlBackend>());
  if (!Platform::Current().CreateGameWindow("sprites bench", kWidth, kHeight)) return false;
  Platform::Current().ShowGameWindow();
  Framework::GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  graphics.windowWidth = kWidth;
  graphics.windowHeight = kHeight;
  graphics.Initialize();
  Platform::Current().SetSwapInterval(0);
  graphics.textures->LoadTexture("bench_sheet", kSheet,
                                 {Framework::AnimationRecord{"Strip", kFrames, 0, 0, 128, 32}});
  // The SDL renderer makes its own context current; the engine's frames take theirs back.
  engineWindow = SDL_GL_GetCurrentWindow();
  engineContext = SDL_GL_GetCurrentContext();
  ok = engineWindow != nullptr && engineContext != nullptr;
  return ok;
}

class EngineScene {
 public:
  explicit EngineScene(int count) {
    for (const Placement& p : Placements(count)) {
      auto sprite =
          std::make_unique<Framework::Sprite>(nullptr, Math::Vec2(p.x, p.y), Math::Vec2(32, 32), 0.0f, 0);
      sprite->textureID = "bench_sheet";
      sprite->currentAnimSet = "Strip";
      sprite->frame = p.firstFrame;
      sprite->frameDelay = 0.05f;
      sprites_.push_back(std::move(sprite));
    }
    Frame();  // resolves textures and meshes once
  }
  ~EngineScene() { Framework::GetGraphicsSystem().ClearLayers(); }

  void Frame() {
    SDL_GL_MakeCurrent(engineWindow, engineContext);
    Framework::GraphicsSystem& graphics = Framework::GetGraphicsSystem();
    graphics.Update(kFrameTime);
    graphics.RenderFrame();
    Platform::Current().SwapBuffers();
  }

 private:
  std::vector<std::unique_ptr<Framework::Sprite>> sprites_;
};

// ---- SDL2's 2D renderer ----------------------------------------------------------------------

struct SdlScene {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* sheet = nullptr;
};

SdlScene* StartSdl() {
  static SdlScene scene;
  static bool started = false;
  if (started) return scene.renderer ? &scene : nullptr;
  started = true;
  scene.window = SDL_CreateWindow("SDL renderer bench", 0, 0, kWidth, kHeight, SDL_WINDOW_SHOWN);
  if (!scene.window) return nullptr;
  scene.renderer = SDL_CreateRenderer(scene.window, -1, SDL_RENDERER_ACCELERATED);
  if (!scene.renderer) return nullptr;
  Framework::DecodedImage image;
  if (!Framework::DecodeImage(kSheet, image) || image.bytesPerPixel != 4) return nullptr;
  scene.sheet = SDL_CreateTexture(scene.renderer, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, image.width,
                                  image.height);
  // Decoded rows run bottom-up; SDL wants them top-down.
  std::vector<unsigned char> topDown(image.pixels.size());
  const size_t row = static_cast<size_t>(image.width) * 4;
  for (int y = 0; y < image.height; ++y) {
    std::copy_n(&image.pixels[(image.height - 1 - y) * row], row, &topDown[y * row]);
  }
  SDL_UpdateTexture(scene.sheet, nullptr, topDown.data(), static_cast<int>(row));
  SDL_SetTextureBlendMode(scene.sheet, SDL_BLENDMODE_BLEND);
  return &scene;
}

class SdlFrames {
 public:
  SdlFrames(SdlScene& scene, int count) : scene_(scene), placements_(Placements(count)), timers_(count, 0.0f) {}

  void Frame() {
    SDL_SetRenderDrawColor(scene_.renderer, 0, 0, 0, 255);
    SDL_RenderClear(scene_.renderer);
    for (size_t i = 0; i < placements_.size(); ++i) {
      Placement& p = placements_[i];
      timers_[i] += kFrameTime;
      if (timers_[i] > 0.05f) {
        p.firstFrame = (p.firstFrame + 1) % kFrames;
        timers_[i] = 0.0f;
      }
      const SDL_Rect source{static_cast<int>(p.firstFrame) * 32, 32, 32, 32};
      const SDL_FRect target{p.x + kWidth / 2.0f - 16, kHeight / 2.0f - p.y - 16, 32, 32};
      SDL_RenderCopyF(scene_.renderer, scene_.sheet, &source, &target);
    }
    SDL_RenderPresent(scene_.renderer);
  }

 private:
  SdlScene& scene_;
  std::vector<Placement> placements_;
  std::vector<float> timers_;
};

// ---- Side by side -----------------------------------------------------------------------------

struct Comparison {
  double engineFps = 0.0;
  double sdlFps = 0.0;
};

std::map<int, Comparison>& Comparisons() {
  static std::map<int, Comparison> comparisons;
  return comparisons;
}

template <typename Frames>
double SecondsFor(Frames& frames, int count) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < count; ++i) frames.Frame();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Short slices of engine frames and SDL frames take turns, so whatever else
// the machine is doing weighs on both alike and the ratio holds.
void BM_SpritesEngineAgainstSdl(benchmark::State& state) {
  SdlScene* sdl = StartEngine() ? StartSdl() : nullptr;
  if (sdl == nullptr) {
    state.SkipWithError("no OpenGL window or SDL renderer (is DISPLAY set?)");
    return;
  }
  constexpr int kSlice = 3;
  const int count = static_cast<int>(state.range(0));
  EngineScene engine(count);
  SdlFrames reference(*sdl, count);
  double engineSeconds = 0.0, sdlSeconds = 0.0;
  for (auto _ : state) {
    engineSeconds += SecondsFor(engine, kSlice);
    sdlSeconds += SecondsFor(reference, kSlice);
  }
  const double frames = static_cast<double>(state.iterations()) * kSlice;
  Comparison& result = Comparisons()[count];
  result = {frames / engineSeconds, frames / sdlSeconds};
  state.counters["engine_fps"] = result.engineFps;
  state.counters["sdl_fps"] = result.sdlFps;
  state.counters["ratio"] = result.engineFps / result.sdlFps;
}

BENCHMARK(BM_SpritesEngineAgainstSdl)
    ->Arg(100)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);

// The fixed cost of a frame without sprites: 0 draws the plain look, whose
// post effect and overlay change no pixel and are skipped; 1 a post effect
// and a fade, which take both full-window passes; 2 the plain look with the
// world image copied straight to the window rather than turned over first.
void BM_EmptyFrame(benchmark::State& state) {
  if (!StartEngine()) {
    state.SkipWithError("no OpenGL window (is DISPLAY set?)");
    return;
  }
  Framework::GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  const bool effects = state.range(0) == 1;
  Framework::GraphicsSystem::SetPostEffect(effects ? "POST_BLACKWHITE" : "POST_NORMAL");
  graphics.SetOverlayFade(effects ? 0.5f : 0.0f);
  graphics.turnBeforeCopy = state.range(0) != 2;
  EngineScene empty(0);
  for (auto _ : state) empty.Frame();
  state.counters["effect_passes"] = graphics.EffectPassesDrawn();
  Framework::GraphicsSystem::ResetPostEffect();
  graphics.SetOverlayFade(0.0f);
  graphics.turnBeforeCopy = true;
}

BENCHMARK(BM_EmptyFrame)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

void PrintComparison() {
  std::printf("\n%8s %14s %14s %10s %s\n", "sprites", "engine fps", "SDL2 fps", "ratio", "(engine / SDL2; 60 fps goal)");
  for (const auto& [count, result] : Comparisons()) {
    std::printf("%8d %14.1f %14.1f %10.2f %s\n", count, result.engineFps, result.sdlFps,
                result.engineFps / result.sdlFps, result.engineFps >= 60.0 ? "" : "below 60");
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::current_path(CORVIDALE_SOURCE_ROOT);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  PrintComparison();
  Framework::GetGraphicsSystem().Shutdown();
  Platform::Shutdown();
  benchmark::Shutdown();
  return 0;
}
