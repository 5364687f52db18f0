#pragma once
// The audio device on SDL_mixer. SDL_mixer has no channel groups, so the
// device keeps its own group records over the mixer's channels and applies
// group volume and pause to each member channel. Mixer channel 0 is reserved
// for the drum track, decoded whole and looped, because SDL_mixer streams
// only one music track.
#include <string>
#include <vector>

#include "engine/platform/AudioDevice.h"

struct Mix_Chunk;
struct _Mix_Music;

namespace Platform {

class SdlAudioDevice : public AudioDevice {
 public:
  SdlAudioDevice() = default;
  SdlAudioDevice(const SdlAudioDevice&) = delete;
  SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;
  // Touches no SDL state: by the time static objects die SDL may be gone, so
  // the owner calls Close() while it still runs.
  ~SdlAudioDevice() override = default;

  bool Open(int channelCount) override;
  std::string LastError() const override { return lastError_; }
  void Close() override;
  void Update() override;

  AudioGroup CreateGroup(const std::string& name) override;
  void SetGroupVolume(AudioGroup group, float volume) override;
  void SetGroupPaused(AudioGroup group, bool paused) override;

  AudioSound LoadEffect(const std::string& path) override;
  AudioChannel PlayEffect(AudioSound sound, AudioGroup group) override;
  AudioChannel PlayMusic(const std::string& path, AudioGroup group) override;
  AudioChannel PlayDrums(const std::string& path, AudioGroup group) override;

  void Stop(AudioChannel channel) override;
  void SetChannelVolume(AudioChannel channel, float volume) override;

 private:
  struct Group {
    std::string name;
    float volume = 1.0f;
    bool paused = false;
  };
  // What plays, or waits to play, on one mixer channel (or the music).
  struct Slot {
    AudioChannel handle = 0;
    AudioGroup group = 0;
    float volume = 1.0f;
    bool pending = false;  // asked for, not yet handed to the mixer
    Mix_Chunk* chunk = nullptr;
  };
  static constexpr int kDrumSlot = 0;
  static constexpr AudioChannel kSlotBits = 8;  // a handle is serial << 8 | slot
  static constexpr int kMaxChannels = 255;

  int MusicSlot() const { return channelCount_; }
  Group* FindGroup(AudioGroup group);
  bool GroupPaused(AudioGroup group);
  // Decoded whole; null (with lastError_) when unreadable or empty.
  Mix_Chunk* LoadChunk(const std::string& path);
  // Starts the sounds waiting in groups that are not paused.
  void StartWaiting();
  int FindSlot(AudioChannel handle) const;
  AudioChannel Claim(int slot, AudioGroup group, Mix_Chunk* chunk);
  int FreeEffectSlot() const;
  void ApplyVolume(int slot);
  void Pause(int slot, bool paused);
  void Start(int slot);
  void Halt(int slot);

  bool open_ = false;
  uint32_t mixerDevice_ = 0;  // SDL's id for the mixer's output, 0 if unknown
  std::string lastError_;
  int channelCount_ = 0;
  uint32_t serial_ = 0;
  std::vector<Group> groups_;
  std::vector<Mix_Chunk*> effects_;
  std::vector<Slot> slots_;  // one per mixer channel, then the music
  _Mix_Music* music_ = nullptr;
  Mix_Chunk* drums_ = nullptr;
};

}  // namespace Platform
