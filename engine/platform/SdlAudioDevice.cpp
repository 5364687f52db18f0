#include "engine/platform/SdlAudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace Platform {

namespace {
constexpr int kSampleRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kBufferFrames = 1024;
constexpr int kHighestDeviceId = 32;

// SDL_mixer does not say which SDL audio device it opened. This layer is the
// only one that opens audio, so the one device that is not stopped is it.
SDL_AudioDeviceID FindMixerDevice() {
  for (SDL_AudioDeviceID id = 1; id <= kHighestDeviceId; ++id) {
    if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) return id;
  }
  return 0;
}

// Holds the mixer still, so that everything started meanwhile begins in the
// same output buffer. SDL's audio lock is recursive, so SDL_mixer's own
// locking inside stays safe.
class MixerHold {
 public:
  explicit MixerHold(uint32_t device) : device_(device) {
    if (device_) SDL_LockAudioDevice(device_);
  }
  ~MixerHold() {
    if (device_) SDL_UnlockAudioDevice(device_);
  }
  MixerHold(const MixerHold&) = delete;
  MixerHold& operator=(const MixerHold&) = delete;

 private:
  uint32_t device_;
};

// The sound libraries below SDL print their own probing chatter on stderr
// when a machine has no sound card; the manager reports the outcome in one
// line instead, so the chatter goes nowhere while the output is opened.
class QuietStderr {
 public:
  QuietStderr() : saved_(dup(STDERR_FILENO)) {
    std::fflush(stderr);
    const int sink = open("/dev/null", O_WRONLY);
    if (saved_ >= 0 && sink >= 0) dup2(sink, STDERR_FILENO);
    if (sink >= 0) close(sink);
  }
  ~QuietStderr() {
    std::fflush(stderr);
    if (saved_ < 0) return;
    dup2(saved_, STDERR_FILENO);
    close(saved_);
  }
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_;
};
}  // namespace

std::unique_ptr<AudioDevice> MakeAudioDevice() { return std::make_unique<SdlAudioDevice>(); }

bool SdlAudioDevice::Open(int channelCount) {
  if (open_) return true;
  QuietStderr quiet;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    lastError_ = SDL_GetError();
    return false;
  }
  Mix_Init(MIX_INIT_OGG);
  if (Mix_OpenAudio(kSampleRate, AUDIO_S16SYS, kOutputChannels, kBufferFrames) != 0) {
    lastError_ = Mix_GetError();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  // One extra channel for the drums, which the effects never take.
  channelCount_ = std::min(std::max(channelCount, 1) + 1, kMaxChannels);
  Mix_AllocateChannels(channelCount_);
  Mix_ReserveChannels(1);
  slots_.assign(channelCount_ + 1, Slot{});
  mixerDevice_ = FindMixerDevice();
  open_ = true;
  return true;
}

void SdlAudioDevice::Close() {
  if (!open_) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  for (Mix_Chunk* chunk : effects_) Mix_FreeChunk(chunk);
  effects_.clear();
  if (drums_) Mix_FreeChunk(drums_);
  if (music_) Mix_FreeMusic(music_);
  drums_ = nullptr;
  music_ = nullptr;
  slots_.clear();
  groups_.clear();
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  mixerDevice_ = 0;
  open_ = false;
}

void SdlAudioDevice::Update() {
  if (open_) StartWaiting();
}

void SdlAudioDevice::StartWaiting() {
  const auto ready = [this](const Slot& slot) { return slot.pending && !GroupPaused(slot.group); };
  if (std::none_of(slots_.begin(), slots_.end(), ready)) return;
  // Music and drums loop in step only if they begin in the same buffer.
  MixerHold hold(mixerDevice_);
  for (int slot = 0; slot < static_cast<int>(slots_.size()); ++slot) {
    if (ready(slots_[slot])) Start(slot);
  }
}

AudioGroup SdlAudioDevice::CreateGroup(const std::string& name) {
  if (!open_) return 0;
  groups_.push_back(Group{name});
  return static_cast<AudioGroup>(groups_.size());
}

SdlAudioDevice::Group* SdlAudioDevice::FindGroup(AudioGroup group) {
  if (group == 0 || group > groups_.size()) return nullptr;
  return &groups_[group - 1];
}

bool SdlAudioDevice::GroupPaused(AudioGroup group) {
  const Group* record = FindGroup(group);
  return record && record->paused;
}

void SdlAudioDevice::SetGroupVolume(AudioGroup group, float volume) {
  Group* record = FindGroup(group);
  // Called every frame; only a change needs to reach the member channels.
  if (!record || record->volume == ClampVolume(volume)) return;
  record->volume = ClampVolume(volume);
  for (int slot = 0; slot < static_cast<int>(slots_.size()); ++slot) {
    if (slots_[slot].handle != 0 && slots_[slot].group == group) ApplyVolume(slot);
  }
}

void SdlAudioDevice::SetGroupPaused(AudioGroup group, bool paused) {
  Group* record = FindGroup(group);
  if (!record || record->paused == paused) return;
  record->paused = paused;
  MixerHold hold(mixerDevice_);  // music and drums resume in step
  for (int slot = 0; slot < static_cast<int>(slots_.size()); ++slot) {
    const Slot& member = slots_[slot];
    // Waiting sounds are not in the mixer yet; they start below.
    if (member.handle != 0 && member.group == group && !member.pending) Pause(slot, paused);
  }
  // A track asked for while paused starts with the ones resumed here.
  if (!paused) StartWaiting();
}

Mix_Chunk* SdlAudioDevice::LoadChunk(const std::string& path) {
  Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
  if (!chunk) {
    lastError_ = Mix_GetError();
    return nullptr;
  }
  // A file cut short before its first sound decodes to nothing, which the
  // mixer refuses to play; it counts as unreadable.
  if (chunk->alen == 0) {
    Mix_FreeChunk(chunk);
    lastError_ = path + " holds no sound";
    return nullptr;
  }
  return chunk;
}

AudioSound SdlAudioDevice::LoadEffect(const std::string& path) {
  if (!open_) return 0;
  Mix_Chunk* chunk = LoadChunk(path);
  if (!chunk) return 0;
  effects_.push_back(chunk);
  return static_cast<AudioSound>(effects_.size());
}

AudioChannel SdlAudioDevice::PlayEffect(AudioSound sound, AudioGroup group) {
  if (!open_ || sound == 0 || sound > effects_.size() || !FindGroup(group)) return 0;
  const int slot = FreeEffectSlot();
  if (slot < 0) return 0;
  const AudioChannel handle = Claim(slot, group, effects_[sound - 1]);
  if (!GroupPaused(group)) Start(slot);
  return handle;
}

AudioChannel SdlAudioDevice::PlayMusic(const std::string& path, AudioGroup group) {
  if (!open_ || !FindGroup(group)) return 0;
  Mix_Music* next = Mix_LoadMUS(path.c_str());
  if (!next) {
    lastError_ = Mix_GetError();
    return 0;
  }
  if (Mix_MusicDuration(next) == 0.0) {  // unknown is negative, and may play
    Mix_FreeMusic(next);
    lastError_ = path + " holds no sound";
    return 0;
  }
  Halt(MusicSlot());
  if (music_) Mix_FreeMusic(music_);
  music_ = next;
  return Claim(MusicSlot(), group, nullptr);
}

AudioChannel SdlAudioDevice::PlayDrums(const std::string& path, AudioGroup group) {
  if (!open_ || !FindGroup(group)) return 0;
  Mix_Chunk* next = LoadChunk(path);
  if (!next) return 0;
  Halt(kDrumSlot);
  if (drums_) Mix_FreeChunk(drums_);
  drums_ = next;
  return Claim(kDrumSlot, group, drums_);
}

void SdlAudioDevice::Stop(AudioChannel channel) {
  const int slot = FindSlot(channel);
  if (slot < 0) return;
  Halt(slot);
  slots_[slot] = Slot{};
}

void SdlAudioDevice::SetChannelVolume(AudioChannel channel, float volume) {
  const int slot = FindSlot(channel);
  if (slot < 0 || slots_[slot].volume == ClampVolume(volume)) return;
  slots_[slot].volume = ClampVolume(volume);
  ApplyVolume(slot);
}

int SdlAudioDevice::FindSlot(AudioChannel handle) const {
  if (!open_ || handle == 0) return -1;
  const int slot = static_cast<int>(handle & ((1u << kSlotBits) - 1));
  if (slot >= static_cast<int>(slots_.size()) || slots_[slot].handle != handle) return -1;
  return slot;
}

AudioChannel SdlAudioDevice::Claim(int slot, AudioGroup group, Mix_Chunk* chunk) {
  // Serials run 1..2^24-1, so a handle is never 0 and a stale handle only
  // matches again after millions of sounds.
  serial_ = serial_ % ((1u << (32 - kSlotBits)) - 1) + 1;
  Slot& record = slots_[slot];
  record = Slot{};
  record.handle = (serial_ << kSlotBits) | static_cast<AudioChannel>(slot);
  record.group = group;
  record.chunk = chunk;
  record.pending = true;
  return record.handle;
}

int SdlAudioDevice::FreeEffectSlot() const {
  for (int slot = kDrumSlot + 1; slot < MusicSlot(); ++slot) {
    if (!slots_[slot].pending && !Mix_Playing(slot)) return slot;
  }
  return -1;
}

void SdlAudioDevice::ApplyVolume(int slot) {
  const Group* group = FindGroup(slots_[slot].group);
  const float volume = slots_[slot].volume * (group ? group->volume : 1.0f);
  const int level = static_cast<int>(std::lround(volume * MIX_MAX_VOLUME));
  if (slot == MusicSlot()) {
    Mix_VolumeMusic(level);
  } else {
    Mix_Volume(slot, level);
  }
}

void SdlAudioDevice::Pause(int slot, bool paused) {
  if (slot == MusicSlot()) {
    paused ? Mix_PauseMusic() : Mix_ResumeMusic();
  } else {
    paused ? Mix_Pause(slot) : Mix_Resume(slot);
  }
}

void SdlAudioDevice::Start(int slot) {
  Slot& record = slots_[slot];
  record.pending = false;
  ApplyVolume(slot);
  const bool looping = slot == kDrumSlot || slot == MusicSlot();
  const int started = slot == MusicSlot() ? Mix_PlayMusic(music_, -1)
                                          : Mix_PlayChannel(slot, record.chunk, looping ? -1 : 0);
  if (started < 0) {
    lastError_ = Mix_GetError();
    record = Slot{};
  }
}

void SdlAudioDevice::Halt(int slot) {
  if (slot == MusicSlot()) {
    Mix_HaltMusic();
  } else {
    Mix_HaltChannel(slot);
  }
}

}  // namespace Platform
