// Sprites per frame: N textured, animated sprites at 1280 x 720 through the
// engine's full four-pass RenderFrame, and the same N sprites through
// SDL2's own 2D renderer, the usual alternative for a 2D game. Both run on
// the same display (Xvfb with Mesa's software OpenGL under the test
// command) with the swap interval off, so the numbers compare throughput.
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

std::map<int, double>& EngineFps() {
  static std::map<int, double> fps;
  return fps;
}
std::map<int, double>& SdlFps() {
  static std::map<int, double> fps;
  return fps;
}

// ---- The engine's renderer -----------------------------------------------------------

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
  ok = true;
  return ok;
}

void BM_EngineRenderFrame(benchmark::State& state) {
  if (!StartEngine()) {
    state.SkipWithError("no OpenGL window (is DISPLAY set?)");
    return;
  }
  const int count = static_cast<int>(state.range(0));
  Framework::GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  std::vector<std::unique_ptr<Framework::Sprite>> sprites;
  for (const Placement& p : Placements(count)) {
    auto sprite = std::make_unique<Framework::Sprite>(nullptr, Math::Vec2(p.x, p.y), Math::Vec2(32, 32), 0.0f, 0);
    sprite->textureID = "bench_sheet";
    sprite->currentAnimSet = "Strip";
    sprite->frame = p.firstFrame;
    sprite->frameDelay = 0.05f;
    sprites.push_back(std::move(sprite));
  }
  graphics.Update(kFrameTime);  // resolves textures and meshes once
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    graphics.Update(kFrameTime);
    graphics.RenderFrame();
    Platform::Current().SwapBuffers();
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EngineFps()[count] = static_cast<double>(state.iterations()) / seconds;
  graphics.ClearLayers();
}

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

void BM_SdlRenderer(benchmark::State& state) {
  SdlScene* scene = StartSdl();
  if (!scene) {
    state.SkipWithError("no SDL renderer (is DISPLAY set?)");
    return;
  }
  const int count = static_cast<int>(state.range(0));
  std::vector<Placement> placements = Placements(count);
  std::vector<float> timers(placements.size(), 0.0f);
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    SDL_SetRenderDrawColor(scene->renderer, 0, 0, 0, 255);
    SDL_RenderClear(scene->renderer);
    for (size_t i = 0; i < placements.size(); ++i) {
      Placement& p = placements[i];
      timers[i] += kFrameTime;
      if (timers[i] > 0.05f) {
        p.firstFrame = (p.firstFrame + 1) % kFrames;
        timers[i] = 0.0f;
      }
      const SDL_Rect source{static_cast<int>(p.firstFrame) * 32, 32, 32, 32};
      const SDL_FRect target{p.x + kWidth / 2.0f - 16, kHeight / 2.0f - p.y - 16, 32, 32};
      SDL_RenderCopyF(scene->renderer, scene->sheet, &source, &target);
    }
    SDL_RenderPresent(scene->renderer);
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  SdlFps()[count] = static_cast<double>(state.iterations()) / seconds;
}

void Counts(benchmark::internal::Benchmark* bench) {
  for (int n : {100, 500, 1000, 2000, 5000}) bench->Arg(n);
  bench->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
}

BENCHMARK(BM_EngineRenderFrame)->Apply(Counts);
BENCHMARK(BM_SdlRenderer)->Apply(Counts);

void PrintComparison() {
  std::printf("\n%8s %14s %14s %10s %s\n", "sprites", "engine fps", "SDL2 fps", "ratio", "(engine / SDL2; 60 fps goal)");
  for (const auto& [count, engine] : EngineFps()) {
    const auto sdl = SdlFps().find(count);
    const double reference = sdl == SdlFps().end() ? 0.0 : sdl->second;
    std::printf("%8d %14.1f %14.1f %10.2f %s\n", count, engine, reference, reference > 0 ? engine / reference : 0.0,
                engine >= 60.0 ? "" : "below 60");
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
