#include "support/RecordingAudioDevice.h"

namespace TestSupport {

using Platform::AudioChannel;
using Platform::AudioGroup;
using Platform::AudioSound;

bool RecordingAudioDevice::Audible(AudioChannel channel) const {
  if (channel == 0 || channel > channels.size()) return false;
  return !At(channel).stopped && !GroupOf(channel).paused;
}

bool RecordingAudioDevice::Open(int) {
  open = openSucceeds;
  return open;
}

void RecordingAudioDevice::Close() {
  closed = true;
  open = false;
}

void RecordingAudioDevice::Update() {
  if (open) ++updates;
}

AudioGroup RecordingAudioDevice::CreateGroup(const std::string& name) {
  if (!open) return 0;
  ++calls;
  groups.push_back(Group{name});
  return static_cast<AudioGroup>(groups.size());
}

void RecordingAudioDevice::SetGroupVolume(AudioGroup group, float volume) {
  ++calls;
  if (Group* record = FindGroup(group)) record->volume = volume;
}

void RecordingAudioDevice::SetGroupPaused(AudioGroup group, bool paused) {
  ++calls;
  if (Group* record = FindGroup(group)) record->paused = paused;
}

AudioSound RecordingAudioDevice::LoadEffect(const std::string& path) {
  if (!open) return 0;
  ++calls;
  if (unreadablePaths.count(path)) return 0;
  sounds.push_back(path);
  return static_cast<AudioSound>(sounds.size());
}

AudioChannel RecordingAudioDevice::PlayEffect(AudioSound sound, AudioGroup group) {
  ++calls;
  if (!open || sound == 0 || sound > sounds.size()) return 0;
  return Start(Kind::Effect, sounds[sound - 1], group);
}

AudioChannel RecordingAudioDevice::PlayMusic(const std::string& path, AudioGroup group) {
  ++calls;
  if (!open || unreadablePaths.count(path)) return 0;
  return Start(Kind::Music, path, group);
}

AudioChannel RecordingAudioDevice::PlayDrums(const std::string& path, AudioGroup group) {
  ++calls;
  if (!open || unreadablePaths.count(path)) return 0;
  return Start(Kind::Drums, path, group);
}

void RecordingAudioDevice::Stop(AudioChannel channel) {
  ++calls;
  if (Channel* record = Find(channel)) record->stopped = true;
}

void RecordingAudioDevice::SetChannelVolume(AudioChannel channel, float volume) {
  ++calls;
  if (Channel* record = Find(channel)) record->volume = volume;
}

AudioChannel RecordingAudioDevice::Start(Kind kind, const std::string& path, AudioGroup group) {
  if (kind != Kind::Effect) {
    // Only one track of each kind: the new one replaces the old.
    for (Channel& old : channels) {
      if (old.kind == kind) old.stopped = true;
    }
  }
  channels.push_back(Channel{kind, path, group, 1.0f, kind != Kind::Effect, false});
  return static_cast<AudioChannel>(channels.size());
}

RecordingAudioDevice::Channel* RecordingAudioDevice::Find(AudioChannel channel) {
  if (channel == 0 || channel > channels.size()) return nullptr;
  return &channels[channel - 1];
}

RecordingAudioDevice::Group* RecordingAudioDevice::FindGroup(AudioGroup group) {
  if (group == 0 || group > groups.size()) return nullptr;
  return &groups[group - 1];
}

}  // namespace TestSupport
