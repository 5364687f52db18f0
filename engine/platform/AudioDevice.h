#pragma once
// The narrow audio interface the engine plays through: named channel groups
// with their own volume and pause, one-shot effects loaded in advance, one
// looping music track streamed from disk, and one looping drum track that
// starts together with the music so the two stay in step.
//
// Handles are plain numbers; 0 means "none". Every operation accepts 0 or a
// stale handle and then does nothing, so callers never check before stopping.
#include <cstdint>
#include <memory>
#include <string>

namespace Platform {

using AudioGroup = uint32_t;
using AudioSound = uint32_t;
using AudioChannel = uint32_t;

class AudioDevice {
 public:
  virtual ~AudioDevice() = default;

  // Opens the output with room for channelCount simultaneous sounds. False
  // when there is no usable output; the device then stays silent and every
  // other call does nothing. LastError() tells why.
  virtual bool Open(int channelCount) = 0;
  virtual std::string LastError() const = 0;
  // Stops everything and releases every sound and the output itself.
  virtual void Close() = 0;
  // Once per frame: starts the tracks asked for since the last call, music
  // and drums together.
  virtual void Update() = 0;

  virtual AudioGroup CreateGroup(const std::string& name) = 0;
  virtual void SetGroupVolume(AudioGroup group, float volume) = 0;  // 0..1
  // A paused group keeps its channels where they are; an effect or track
  // started in a paused group waits, silent, until the group is resumed.
  virtual void SetGroupPaused(AudioGroup group, bool paused) = 0;

  // Decodes a whole effect file; 0 when it cannot be read or holds no sound.
  virtual AudioSound LoadEffect(const std::string& path) = 0;
  // Starts a loaded effect once; several effects may overlap. 0 when the
  // sound is unknown or every channel is busy.
  virtual AudioChannel PlayEffect(AudioSound sound, AudioGroup group) = 0;
  // The looping music track: opens the file as a stream, frees the track it
  // replaces, and starts at the next Update. 0 when the file cannot be read
  // or holds no sound.
  virtual AudioChannel PlayMusic(const std::string& path, AudioGroup group) = 0;
  // The looping drum track laid over the music; like PlayMusic.
  virtual AudioChannel PlayDrums(const std::string& path, AudioGroup group) = 0;

  virtual void Stop(AudioChannel channel) = 0;
  // Multiplied with the channel's group volume.
  virtual void SetChannelVolume(AudioChannel channel, float volume) = 0;  // 0..1
};

// The machine's audio output (SDL_mixer).
std::unique_ptr<AudioDevice> MakeAudioDevice();

// Volumes outside 0..1 (or not a number) would make the mixer clip or wrap.
inline float ClampVolume(float volume) {
  if (!(volume > 0.0f)) return 0.0f;
  return volume < 1.0f ? volume : 1.0f;
}

}  // namespace Platform
