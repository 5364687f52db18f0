#include "engine/audio/AudioManager.h"

#include <algorithm>
#include <fstream>
#include <iostream>

#include "engine/core/Engine.h"
#include "engine/platform/Platform.h"
#include "engine/ui/SysVars.h"

namespace Framework {

int ReadAudioList(const std::string& path, std::map<std::string, AudioEntry>& entries) {
  std::ifstream file(path);
  if (!file) return -1;
  uint32_t count = 0;
  std::string name, soundPath;
  // A trailing name without its path fails the read and is dropped.
  while (file >> name >> soundPath) {
    entries.emplace(name, AudioEntry{count, soundPath, 0});  // keeps the first pair
    ++count;
  }
  return static_cast<int>(count);
}

AudioManager::AudioManager() : device_(Platform::MakeAudioDevice()) {}

void AudioManager::UseDevice(std::unique_ptr<Platform::AudioDevice> device) { device_ = std::move(device); }

void AudioManager::Initialize() {
  musicLevel = 1.0f;
  soundVolume = 1.0f;
  musicVolume = 1.0f;
  SysVars().Register("soundVolume", &soundVolume);
  SysVars().Register("musicVolume", &musicVolume);

  const int effectPairs = ReadAudioList(kEffectList, effects);
  if (effectPairs < 0) std::cout << "failed to open sound path\n";
  effectCount = static_cast<uint32_t>(std::max(effectPairs, 0));
  const int musicPairs = ReadAudioList(kMusicList, music);
  if (musicPairs < 0) std::cout << "failed to open BGM path\n";
  musicCount = static_cast<uint32_t>(std::max(musicPairs, 0));

  OpenDevice();
  effectsGroup = device_->CreateGroup("Sound Effects");
  musicGroup = device_->CreateGroup("BGM");
  LoadEffects();
}

void AudioManager::OpenDevice() {
  if (deviceOpen_) return;
  deviceOpen_ = device_->Open(kChannelCount);
  // Said once; from here on the game runs silent and quiet.
  if (!deviceOpen_) std::cerr << "Error: No sound device (" << device_->LastError() << "); the game runs without sound.\n";
}

void AudioManager::LoadEffects() {
  if (!deviceOpen_) return;
  for (auto& [name, entry] : effects) entry.sound = device_->LoadEffect(entry.path);
}

void AudioManager::Shutdown() {
  device_->Close();
  deviceOpen_ = false;
  for (auto& [name, entry] : effects) entry.sound = 0;
  effectsGroup = musicGroup = 0;
  lastEffectChannel = musicChannel = drumChannel = 0;
}

void AudioManager::Update(float frameTime) {
  BeginTiming();
  device_->Update();
  FollowWindowFocus();
  FadeMusic(frameTime);
  ApplyVolumes();
  EndTiming();
}

void AudioManager::FollowWindowFocus() {
  const bool paused = !Platform::Current().IsWindowActive();
  device_->SetGroupPaused(effectsGroup, paused);
  device_->SetGroupPaused(musicGroup, paused);
}

void AudioManager::FadeMusic(float frameTime) {
  const float step = frameTime / kFadeSeconds;
  if (!GetEngine().paused) {
    // Turning the volume down acts at once; turning it up fades in.
    if (musicLevel > musicVolume) {
      musicLevel = musicVolume;
    } else if (musicVolume > musicLevel) {
      musicLevel += step;
    }
  } else if (musicLevel < 0.0f) {
    musicLevel = 0.0f;
  } else if (musicLevel > 0.0f) {
    musicLevel -= step;
  }
}

void AudioManager::ApplyVolumes() {
  // The fade may overshoot by one step and the shared variables take any
  // value a menu writes; the mixer only ever sees 0..1.
  device_->SetChannelVolume(musicChannel, Platform::ClampVolume(musicLevel));
  device_->SetChannelVolume(drumChannel, Platform::ClampVolume(musicVolume));  // drums never fade
  device_->SetGroupVolume(effectsGroup, Platform::ClampVolume(soundVolume));
}

void AudioManager::PlaySound(const std::string& name) {
  if (!GetEngine().soundEnabled) return;
  const auto found = effects.find(name);
  const bool known = found != effects.end();
  if (!known || found->second.sound == 0) {
    // Without a device every load fails; the start-up line said so already.
    if (!known || deviceOpen_) std::cerr << "Sound Index out of Bounds\n";
    return;
  }
  lastEffectChannel = device_->PlayEffect(found->second.sound, effectsGroup);
}

void AudioManager::PlayBGM(const std::string& name) {
  if (!GetEngine().soundEnabled) return;
  device_->Stop(musicChannel);
  musicChannel = StartTrack(name, false, "BGM Index out of bounds\n");
  ApplyVolumes();  // a fresh channel would start at full volume
}

void AudioManager::PlayDrum(const std::string& name) {
  if (!GetEngine().soundEnabled) return;
  device_->Stop(drumChannel);
  drumChannel = StartTrack(name, true, "Drum Index out of bounds\n");
  ApplyVolumes();
}

Platform::AudioChannel AudioManager::StartTrack(const std::string& name, bool drums, const char* failMessage) {
  const auto found = music.find(name);
  if (found == music.end()) {
    std::cerr << failMessage;
    return 0;
  }
  const std::string& path = found->second.path;
  const Platform::AudioChannel channel =
      drums ? device_->PlayDrums(path, musicGroup) : device_->PlayMusic(path, musicGroup);
  if (channel == 0 && deviceOpen_) std::cerr << failMessage;
  return channel;
}

void AudioManager::StopAll() {
  device_->Stop(musicChannel);
  device_->Stop(drumChannel);
}

void AudioManager::StopLastEffect() { device_->Stop(lastEffectChannel); }

AudioManager& GetAudioManager() {
  static AudioManager instance;
  return instance;
}

}  // namespace Framework
