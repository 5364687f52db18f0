#pragma once
// The game's sound: one looping music track, one looping drum track laid
// over it, and any number of short effects, all named in two list files.
// Each frame it pauses everything while the game window is not active and
// fades the music out and back in around the engine's pause.
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "engine/core/System.h"
#include "engine/platform/AudioDevice.h"

namespace Framework {

// One name-path pair of a list file; index is its position in the file.
struct AudioEntry {
  uint32_t index = 0;
  std::string path;
  Platform::AudioSound sound = 0;  // effects only: 0 when it could not be loaded
};

class AudioManager : public System {
 public:
  static constexpr const char* kEffectList = "Resources/Sound.txt";
  static constexpr const char* kMusicList = "Resources/BGM.txt";
  static constexpr int kChannelCount = 100;
  static constexpr float kFadeSeconds = 2.5f;  // a full fade between 0 and 1

  AudioManager();
  // Tests hand in their own device before Initialize; otherwise the
  // machine's output is opened.
  void UseDevice(std::unique_ptr<Platform::AudioDevice> device);

  std::string GetName() override { return "AudioManager"; }
  void Initialize() override;
  void Update(float dt) override;
  // Closes the output; the manager stays silent afterwards.
  void Shutdown() override;

  void PlaySound(const std::string& name);
  void PlayBGM(const std::string& name);
  void PlayDrum(const std::string& name);
  // Stops the music and the drums; effects play on.
  void StopAll();
  // Stops the effect started most recently (a scene leaving cuts off its
  // siren or scream); earlier effects play on.
  void StopLastEffect();

  Platform::AudioGroup effectsGroup = 0;
  Platform::AudioGroup musicGroup = 0;
  Platform::AudioChannel lastEffectChannel = 0;
  Platform::AudioChannel musicChannel = 0;
  Platform::AudioChannel drumChannel = 0;
  uint32_t effectCount = 0;
  uint32_t musicCount = 0;
  float musicLevel = 1.0f;   // the volume the music channel has now
  float soundVolume = 1.0f;  // shared variable "soundVolume"
  float musicVolume = 1.0f;  // shared variable "musicVolume": the music's target
  std::map<std::string, AudioEntry> effects;
  std::map<std::string, AudioEntry> music;  // music and drum tracks

 private:
  void OpenDevice();
  void LoadEffects();
  void FollowWindowFocus();
  void FadeMusic(float dt);
  void ApplyVolumes();
  // The looping track named in the music list, or 0 (with the message).
  Platform::AudioChannel StartTrack(const std::string& name, bool drums, const char* failMessage);

  std::unique_ptr<Platform::AudioDevice> device_;
  bool deviceOpen_ = false;
};

// Reads whitespace-separated name-path pairs; the first pair of a name wins,
// but every pair uses up an index. Returns the number of pairs, or -1 when
// the file cannot be opened.
int ReadAudioList(const std::string& path, std::map<std::string, AudioEntry>& entries);

AudioManager& GetAudioManager();

}  // namespace Framework
