#include "game/match/PanicSystem.h"

#include <algorithm>
#include <iostream>

#include "engine/core/Engine.h"
#include "engine/core/XMLSerializer.h"
#include "engine/graphics/EfxManager.h"
#include "engine/ui/SysVars.h"
#include "game/FieldCheck.h"

namespace {

const char* const kIsPanicking = "isPanicking";
const char* const kStrikes = "panicStrikes";
const char* const kStrikeChances = "panicStrikeChances";

// Where the shared names point once their panic system is gone: a calm
// crowd with nothing counted.
bool noPanic = false;
int noStrikes = 0;
int noStrikeChances = 0;

// Beyond these a match is as good as decided before it starts (a strike
// every frame) or can never be lost to panic.
constexpr FieldRange<float> kRateRange{0.0f, 100.0f};
constexpr FieldRange<int> kThresholdRange{1, 10000};
constexpr FieldRange<int> kChancesRange{1, 1000};

template <class T>
void RepointIfOurs(const char* name, T* ours, T* replacement) {
  const Framework::SysVarEntry* entry = Framework::SysVars().Find(name);
  if (entry && entry->address == ours) Framework::SysVars().RegisterDirect(name, replacement);
}

}  // namespace

PanicSystem::~PanicSystem() {
  RepointIfOurs(kIsPanicking, &isPanicking, &noPanic);
  RepointIfOurs(kStrikes, &strikes, &noStrikes);
  RepointIfOurs(kStrikeChances, &strikeChances, &noStrikeChances);
}

void PanicSystem::RestoreDefaults() {
  enabled = kDefaultEnabled;
  panicPerSecond = kDefaultPanicPerSecond;
  thresholdPerStrike = kDefaultThresholdPerStrike;
  strikeChances = kDefaultStrikeChances;
}

void PanicSystem::LoadSettings(const std::string& path) {
  RestoreDefaults();
  Framework::XMLSerializer file;
  if (file.Open(path, Framework::XMLSerializer::kRead)) {
    Framework::XMLReadBool(file, enabled, "enabled");
    Framework::XMLReadFloat(file, panicPerSecond, "panicPerSecond");
    Framework::XMLReadInt(file, thresholdPerStrike, "panicThresholdPerStrike");
    Framework::XMLReadInt(file, strikeChances, "panicStrikeChances");
  }
  file.Close();
  RefuseBadSettings(path);
}

void PanicSystem::RefuseBadSettings(const std::string& file) {
  if (panicPerSecond < 0.0f) {
    std::cerr << "Error: panicPerSecond " << panicPerSecond << " is below 0; the panic level will not rise ("
              << file << ")\n";
    panicPerSecond = 0.0f;
  }
  // No chances at all would hand the Killer the match in its first frame.
  if (strikeChances < 1) {
    std::cerr << "Error: panicStrikeChances " << strikeChances << " is below 1; using " << kDefaultStrikeChances
              << " (" << file << ")\n";
    strikeChances = kDefaultStrikeChances;
  }
  if (!AcceptField(panicPerSecond, kRateRange, kDefaultPanicPerSecond, file, "panicPerSecond"))
    panicPerSecond = kDefaultPanicPerSecond;
  if (!AcceptField(thresholdPerStrike, kThresholdRange, kDefaultThresholdPerStrike, file, "panicThresholdPerStrike"))
    thresholdPerStrike = kDefaultThresholdPerStrike;
  if (!AcceptField(strikeChances, kChancesRange, kDefaultStrikeChances, file, "panicStrikeChances"))
    strikeChances = kDefaultStrikeChances;
}

void PanicSystem::Reset() {
  strikes = 0;
  level = 0;
  sources = 0;
  isPanicking = false;
  period = 1.0f / (panicPerSecond == 0.0f ? 1.0f : panicPerSecond);
  // Assigned directly: each match scene has its own panic system, and the
  // HUD must follow the one being played.
  Framework::SysVars().RegisterDirect(kIsPanicking, &isPanicking);
  Framework::SysVars().RegisterDirect(kStrikes, &strikes);
  Framework::SysVars().RegisterDirect(kStrikeChances, &strikeChances);
}

void PanicSystem::AddPanicSource(int count) {
  const bool wasPanicking = isPanicking;
  sources = std::max(sources + count, 0);
  isPanicking = sources != 0;
  if (isPanicking && !wasPanicking) timer = period;
}

void PanicSystem::Update(float dt) {
  if (!enabled || Framework::GetEngine().paused) return;
  if (sources == 0 || panicPerSecond == 0.0f) {
    level = 0;
    return;
  }
  timer -= dt;
  if (timer > 0.0f) return;
  ++level;
  timer = period;
  std::cout << "Panic level: " << level << "\n";
  if (level >= thresholdPerStrike) MakeStrike();
}

void PanicSystem::MakeStrike() {
  strikes = std::clamp(strikes + 1, 0, strikeChances);
  level = 0;
  if (calmCrowd) calmCrowd();
  Framework::EfxManager::Instance().Stop("Panic");
  // The crowd is calm now, whatever the guests' own panic exits reported.
  isPanicking = false;
  sources = 0;
  std::cout << "Panic strikes: " << strikes << "\n";
}
