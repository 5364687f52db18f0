#pragma once
// Turns the guests' panic into panic strikes. While at least one guest
// panics, a panic level rises at a fixed rate; reaching the threshold adds
// a strike and calms the whole crowd. Deaths and alarms add strikes
// directly. The Killer wins once the strikes reach the strike chances.
#include <functional>
#include <string>

class PanicSystem {
 public:
  // The settings a match uses when its "panic_info.xml" is missing.
  static constexpr bool kDefaultEnabled = true;
  static constexpr float kDefaultPanicPerSecond = 1.0f;
  static constexpr int kDefaultThresholdPerStrike = 10;
  static constexpr int kDefaultStrikeChances = 10;

  PanicSystem() = default;
  // The shared variables must not keep pointing here once this is gone.
  ~PanicSystem();
  PanicSystem(const PanicSystem&) = delete;
  PanicSystem& operator=(const PanicSystem&) = delete;

  // Starts from the defaults, then reads whatever the file sets. Values
  // that would end a match at once are refused with an "Error:" line.
  void LoadSettings(const std::string& path);
  // A fresh match: no strikes, no level, no sources; publishes
  // "isPanicking", "panicStrikes" and "panicStrikeChances".
  void Reset();
  void Update(float dt);

  void SetEnabled(bool on) { enabled = on; }
  void AddStrikes(int count) { strikes += count; }
  // +1 when a guest starts to panic, -1 when it stops.
  void AddPanicSource(int count);
  bool StrikesExhausted() const { return strikes >= strikeChances; }

  // Calms every panicking guest when a strike is made; the match binds the
  // crowd manager here.
  std::function<void()> calmCrowd;

  bool enabled = kDefaultEnabled;
  bool isPanicking = false;
  int strikes = 0;
  int level = 0;
  int sources = 0;
  int strikeChances = kDefaultStrikeChances;
  int thresholdPerStrike = kDefaultThresholdPerStrike;
  float panicPerSecond = kDefaultPanicPerSecond;
  float timer = 0.0f;
  float period = 1.0f / kDefaultPanicPerSecond;

 private:
  void RestoreDefaults();
  void RefuseBadSettings(const std::string& file);
  void MakeStrike();
};
