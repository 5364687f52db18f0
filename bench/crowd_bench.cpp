// One frame of a dinner party without drawing: the guests' scripts and
// state machines, the props, the physics step and the effects, for 40, 200
// and 1,000 guests with one prop per eight guests. The crowd keeps the
// density of 40 guests in one 1280 x 720 room: the floor grows along x
// with the crowd (a walled grid of 20-unit cells), as a venue for a
// thousand guests would. The party runs for a while before timing, so the
// guests are spread over every state (wandering, eating, panicking around
// three bodies).
//
// Run: cmake -DCORVIDALE_BENCH=ON ..., then build/bench/crowd_bench
// (from any folder: it works in the source tree's Resources/).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/app/EngineWiring.h"
#include "engine/core/Engine.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/SceneManager.h"
#include "engine/graphics/EfxManager.h"
#include "engine/physics/AABB.h"
#include "engine/physics/Body.h"
#include "engine/physics/MapperFF.h"
#include "engine/physics/Physics.h"
#include "engine/platform/Platform.h"
#include "game/GameComponents.h"
#include "game/guests/NPC.h"
#include "game/guests/NPCManager.h"
#include "game/props/Interactable.h"

namespace {

constexpr float kFrame = 1.0f / 60.0f;
constexpr int kBodies = 3;
constexpr int kRoomWidth = 1280;
constexpr int kRoomHeight = 720;
constexpr int kRoomGuests = 40;
constexpr int kCell = 20;

// A dish with the common timed use.
class Dish : public Interactable {
 public:
  explicit Dish(Framework::GameObject* owner) : Interactable(owner, "Poisonable", 99) {}
  void Deserialize(Framework::XMLSerializer&) override {}
  std::string GetTypeName() override { return "Dish"; }
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override { return new Dish(newOwner); }
  void OnStart() override {
    useTimeMin = 3.0f;
    useTimeMax = 5.0f;
  }
  void UpdateInteractable() override { ShowLook(available ? "Normal" : "Interact"); }
  void Sabotage() override {}
  UseResult Interact(User* user) override {
    if (!HasUser(user)) return StartUse(user, "eat");
    if (IsUseFinished(user)) return UseResult{UseResult::kFinished, "eat", 0.0f, 0.0f};
    return ContinueUse(user, "eat");
  }
};

class Party {
 public:
  explicit Party(int guests) : width(kRoomWidth * guests / kRoomGuests) {
    std::filesystem::current_path(CORVIDALE_SOURCE_ROOT);
    Platform::SeedRandom(2024);
    Framework::WireEngine();
    scenes.Shutdown();
    scenes.Initialize();
    factory.Initialize();
    RegisterGameComponents(factory);
    LoadFloor(width);
    Place("Resources/archetypes/Emote.xml", Math::Vec3());
    Place("Resources/archetypes/Panic.xml", Math::Vec3());
    Framework::EfxManager::Instance().SetScene(scenes.GetCurrentScene());
    Framework::EfxManager::Instance().LoadSceneEffects();
    GetNPCManager().MaxKills = guests + 1;
    const char* looks[] = {"NPCMale1", "NPCMale2", "NPCFemale1"};
    for (int i = 0; i < guests; ++i) {
      Framework::GameObject& guest = Place(std::string("Resources/archetypes/Guest_") + looks[i % 3] + ".xml", Spot());
      crowd.push_back(guest.GetComponent<NPC>());
    }
    for (int i = 0; i < guests / 8; ++i) AddDish(Spot());
    Framework::GetEngine().dt = kFrame;
    // A few bodies keep part of the crowd panicking. A match ends at its
    // kill target, so their number does not grow with the crowd.
    for (int i = 0; i < kBodies; ++i) crowd[i * 7]->Die(NPC::kKilled);
    for (int i = 0; i < 10 * 60; ++i) Frame();
  }
  ~Party() {
    scenes.Shutdown();
    Framework::GetPhysics().ClearScene();
    Framework::EfxManager::Instance().Clear();
  }

  void Frame() {
    Framework::GetPhysics().Update(kFrame);
    scenes.GetCurrentScene()->UpdateAll(kFrame);
    Framework::EfxManager::Instance().Update();
    factory.Update(kFrame);
  }
  int Panicking() const {
    int count = 0;
    for (const NPC* guest : crowd) count += guest->alive && guest->currentState == NPC::kPanic ? 1 : 0;
    return count;
  }

 private:
  Framework::GameObject& Place(const std::string& archetype, const Math::Vec3& at) {
    std::shared_ptr<Framework::GameObject> object = factory.CreateFromFile(archetype);
    object->GetTransform().position = at;
    if (auto* body = object->GetComponent<Framework::Body>()) body->mPosition = at;
    scenes.GetCurrentScene()->objects.push_back(object.get());
    object->InitializeComponents();
    return *object;
  }
  void AddDish(const Math::Vec3& at) {
    std::shared_ptr<Framework::GameObject> object = factory.CreateEmptyObject(at, Math::Vec3(1, 1, 1), 0.0f);
    object->SetTag("interactable");
    auto box = std::make_shared<Framework::AABB>(object.get());
    box->mRadiusX = 56.0f;
    box->mRadiusY = 36.0f;
    object->AddComponent(box);
    object->AddComponent(std::make_shared<Dish>(object.get()));
    scenes.GetCurrentScene()->objects.push_back(object.get());
    object->InitializeComponents();
  }
  static void LoadFloor(int worldWidth) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "corvidale_crowd_bench_grid.txt";
    {
      const int columns = worldWidth / kCell, rows = kRoomHeight / kCell;
      std::ofstream grid(path);
      grid << "Width " << columns << "\nHeight " << rows << "\n";
      for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
          grid << (row == 0 || column == 0 || row == rows - 1 || column == columns - 1 ? "1 " : "0 ");
        grid << "\n";
      }
    }
    GetMapperFF().Load(path.string(), worldWidth, kRoomHeight);
    std::filesystem::remove(path);
  }
  Math::Vec3 Spot() const {
    for (;;) {
      const Math::Vec3 at(Platform::Random() % (width - 80) - (width - 80) / 2.0f, Platform::Random() % 600 - 300.0f,
                          0.0f);
      if (GetMapperFF().IsWalkable(at.x, at.y)) return at;
    }
  }

  int width;
  Framework::SceneManager& scenes = Framework::GetSceneManager();
  Framework::GameObjectFactory& factory = Framework::GetFactory();
  std::vector<NPC*> crowd;
};

// Microseconds per frame by crowd size, for the table at the end.
std::map<int, double>& FrameTimes() {
  static std::map<int, double> times;
  return times;
}

void BM_CrowdFrame(benchmark::State& state) {
  // The guests' and effects' console lines would drown the table.
  std::ostringstream quiet;
  std::streambuf* out = std::cout.rdbuf(quiet.rdbuf());
  std::streambuf* err = std::cerr.rdbuf(quiet.rdbuf());
  const int guests = static_cast<int>(state.range(0));
  {
    Party party(guests);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
      party.Frame();
      quiet.str("");
    }
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    if (state.iterations() > 0) FrameTimes()[guests] = spent.count() / static_cast<double>(state.iterations());
    state.counters["panicking"] = party.Panicking();
  }
  std::cout.rdbuf(out);
  std::cerr.rdbuf(err);
  state.SetComplexityN(guests);
}
BENCHMARK(BM_CrowdFrame)->Arg(40)->Arg(200)->Arg(1000)->Unit(benchmark::kMicrosecond)->Complexity();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  const std::map<int, double>& times = FrameTimes();
  std::printf("\n%8s %16s   goal\n", "guests", "us per frame");
  for (const auto& [guests, micros] : times)
    std::printf("%8d %16.1f   %s\n", guests, micros, guests == 40 ? (micros < 500.0 ? "under 500 us: met" : "under 500 us: MISSED") : "");
  if (times.count(200) && times.count(1000)) {
    const double growth = times.at(1000) / times.at(200);
    std::printf("growth from 200 to 1000 guests: %.1fx (goal 6x or less: %s)\n", growth, growth <= 6.0 ? "met" : "MISSED");
  }
  return 0;
}
