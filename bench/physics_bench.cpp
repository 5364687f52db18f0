// Physics steps per second with N moving boxes on a level grid.
//
// BM_StepSpreadOut keeps the crowd's density constant (the level grows along
// x with N), which is what the sort-and-sweep is built for: its cost should
// grow near N log N, and the reported complexity says how close it stays.
// BM_StepInWindow packs N boxes into the default 1280 x 720 window, the
// worst case of a crowded screen, where the number of near pairs grows
// with N squared.
//
// Run: cmake -DCORVIDALE_BENCH=ON ..., then build/bench/physics_bench
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/GameObject.h"
#include "engine/physics/AABB.h"
#include "engine/physics/Body.h"
#include "engine/physics/MapperFF.h"
#include "engine/physics/Physics.h"
#include "engine/platform/Platform.h"

namespace {

constexpr int kCell = 20;
constexpr float kHalfBox = 4.0f;
constexpr float kSpeed = 2.0f;  // world units per step

// A uniform draw in [low, high) from the program's generator.
float Draw(float low, float high) {
  return low + (high - low) * static_cast<float>(Platform::Random()) / (Platform::kRandomMax + 1.0f);
}

// Writes a walkable grid with walls on its edges and loads it for the world.
void LoadLevelGrid(int worldWidth, int worldHeight) {
  const int columns = worldWidth / kCell;
  const int rows = worldHeight / kCell;
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("corvidale_bench_grid_" + std::to_string(Platform::Ticks()) + ".txt");
  {
    std::ofstream out(path);
    out << "Width " << columns << " Height " << rows << "\n";
    for (int row = 0; row < rows; ++row) {
      for (int column = 0; column < columns; ++column) {
        const bool wall = row == 0 || column == 0 || row == rows - 1 || column == columns - 1;
        out << (wall ? "1 " : "0 ");
      }
      out << "\n";
    }
  }
  GetMapperFF().Load(path.string(), worldWidth, worldHeight);
  std::filesystem::remove(path);
}

// N objects, each with a body and a small box, moving in random directions
// inside the walls of a world of the given size.
class Crowd {
 public:
  Crowd(int count, int worldWidth, int worldHeight) {
    Framework::GetPhysics().ClearScene();
    LoadLevelGrid(worldWidth, worldHeight);
    Platform::SeedRandom(12345);
    const float halfWidth = worldWidth * 0.5f - 2.0f * kCell;
    const float halfHeight = worldHeight * 0.5f - 2.0f * kCell;
    objects.reserve(count);
    for (int i = 0; i < count; ++i) {
      auto object = std::make_shared<Framework::GameObject>(
          Math::Vec3(Draw(-halfWidth, halfWidth), Draw(-halfHeight, halfHeight), 0.0f));
      auto body = std::make_shared<Framework::Body>(object.get());
      body->Mass = 1.0f;
      body->Friction = 1.0f;
      body->layer_id = static_cast<uint32_t>(Platform::Random() % 4);
      body->velocity = Math::Vec3(Draw(-2.0f, 2.0f), Draw(-2.0f, 2.0f), 0.0f);
      auto box = std::make_shared<Framework::AABB>(object.get());
      box->mRadiusX = kHalfBox;
      box->mRadiusY = kHalfBox;
      object->AddComponent(body);
      object->AddComponent(box);
      object->InitializeComponents();
      objects.push_back(object);
    }
  }
  // Keeps every box walking at the same speed in its current direction, as
  // the characters' steering does each frame; without it the walls' bounce
  // (velocity times -2) would speed the crowd up step after step.
  void Steer() {
    for (auto& object : objects) {
      Framework::Body& body = *object->GetComponent<Framework::Body>();
      const float length = Math::Length(body.velocity);
      body.velocity = length > 0.0f ? body.velocity / length * kSpeed : Math::Vec3(kSpeed, 0.0f, 0.0f);
    }
  }

  ~Crowd() {
    for (auto& object : objects) object->ShutdownComponents();
    objects.clear();
    Framework::GetPhysics().ClearScene();
  }

 private:
  std::vector<std::shared_ptr<Framework::GameObject>> objects;
};

void RunSteps(benchmark::State& state, Crowd& crowd) {
  Framework::Physics& physics = Framework::GetPhysics();
  for (auto _ : state) {
    crowd.Steer();
    physics.Step();
    benchmark::DoNotOptimize(physics.Contacts().Count());
  }
  state.counters["steps_per_s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate);
  state.counters["contacts"] = physics.Contacts().Count();
}

void BM_StepSpreadOut(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  // About one box per 16 x 720 strip of level: the density of a busy party.
  const int width = std::max(1280, (count * 16 / kCell + 4) * kCell);
  Crowd crowd(count, width, 720);
  RunSteps(state, crowd);
  state.SetComplexityN(count);
}
BENCHMARK(BM_StepSpreadOut)
    ->RangeMultiplier(10)
    ->Range(100, 10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

void BM_StepInWindow(benchmark::State& state) {
  Crowd crowd(static_cast<int>(state.range(0)), 1280, 720);
  RunSteps(state, crowd);
}
BENCHMARK(BM_StepInWindow)->RangeMultiplier(10)->Range(100, 10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
