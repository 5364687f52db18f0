#pragma once
// An audio device that plays nothing and remembers everything: the groups,
// the loaded effects and every channel ever started, with its volume, loop
// flag and whether it was stopped. It follows the real device's rules: a new
// music or drum track replaces the old one, and effects may overlap.
#include <set>
#include <string>
#include <vector>

#include "engine/platform/AudioDevice.h"

namespace TestSupport {

class RecordingAudioDevice : public Platform::AudioDevice {
 public:
  enum class Kind { Effect, Music, Drums };
  struct Group {
    std::string name;
    float volume = 1.0f;
    bool paused = false;
  };
  struct Channel {
    Kind kind = Kind::Effect;
    std::string path;
    Platform::AudioGroup group = 0;
    float volume = 1.0f;
    bool looping = false;
    bool stopped = false;
  };

  // Controls for tests.
  bool openSucceeds = true;
  std::set<std::string> unreadablePaths;

  // What happened.
  bool open = false;
  bool closed = false;
  int updates = 0;
  int calls = 0;  // every call after Open
  std::vector<Group> groups;
  std::vector<std::string> sounds;  // loaded effect paths, by handle - 1
  std::vector<Channel> channels;    // by handle - 1

  const Channel& At(Platform::AudioChannel channel) const { return channels.at(channel - 1); }
  const Group& GroupOf(Platform::AudioChannel channel) const { return groups.at(At(channel).group - 1); }
  // Started, not stopped, and its group not paused.
  bool Audible(Platform::AudioChannel channel) const;

  bool Open(int channelCount) override;
  std::string LastError() const override { return "no output in this test"; }
  void Close() override;
  void Update() override;
  Platform::AudioGroup CreateGroup(const std::string& name) override;
  void SetGroupVolume(Platform::AudioGroup group, float volume) override;
  void SetGroupPaused(Platform::AudioGroup group, bool paused) override;
  Platform::AudioSound LoadEffect(const std::string& path) override;
  Platform::AudioChannel PlayEffect(Platform::AudioSound sound, Platform::AudioGroup group) override;
  Platform::AudioChannel PlayMusic(const std::string& path, Platform::AudioGroup group) override;
  Platform::AudioChannel PlayDrums(const std::string& path, Platform::AudioGroup group) override;
  void Stop(Platform::AudioChannel channel) override;
  void SetChannelVolume(Platform::AudioChannel channel, float volume) override;

 private:
  Platform::AudioChannel Start(Kind kind, const std::string& path, Platform::AudioGroup group);
  Channel* Find(Platform::AudioChannel channel);
  Group* FindGroup(Platform::AudioGroup group);
};

}  // namespace TestSupport
