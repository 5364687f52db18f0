// The real device, mixing into a file through SDL's "disk" audio driver.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "engine/platform/AudioDevice.h"
#include "support/TestSupport.h"

namespace {

constexpr int kRate = 44100;

// A mono 16-bit WAV file.
void WriteWav(const std::filesystem::path& path, const std::vector<int16_t>& samples) {
  auto le32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
  auto le16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
  const uint32_t bytes = static_cast<uint32_t>(samples.size() * 2);
  std::ofstream out(path, std::ios::binary);
  out << "RIFF" << le32(36 + bytes) << "WAVE" << "fmt " << le32(16) << le16(1) << le16(1) << le32(kRate)
      << le32(kRate * 2) << le16(2) << le16(16) << "data" << le32(bytes);
  out.write(reinterpret_cast<const char*>(samples.data()), bytes);
}

std::vector<int16_t> Tone(double seconds, double hz = 440.0) {
  std::vector<int16_t> samples(static_cast<size_t>(seconds * kRate));
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = int16_t(12000 * std::sin(2 * M_PI * hz * i / kRate));
  return samples;
}

// One sample of the given height, then silence.
std::vector<int16_t> Click(double seconds, int16_t height) {
  std::vector<int16_t> samples(static_cast<size_t>(seconds * kRate), 0);
  samples[0] = height;
  return samples;
}

class SdlAudioDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    output_ = folder_.Path() / "mix.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
    device_ = Platform::MakeAudioDevice();
    if (!device_->Open(8)) GTEST_SKIP() << "no disk audio driver: " << device_->LastError();
    effects_ = device_->CreateGroup("Sound Effects");
    music_ = device_->CreateGroup("BGM");
  }
  void TearDown() override { device_->Close(); }

  std::string File(const std::string& name, const std::vector<int16_t>& samples) {
    const auto path = folder_.Path() / name;
    WriteWav(path, samples);
    return path.string();
  }
  // Updates like a frame loop until the mixer has written this much more
  // output (measured in output, not wall time, so a busy machine only waits).
  void Run(double seconds) {
    const size_t target = BytesWritten() + size_t(seconds * kRate) * 4;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (BytesWritten() < target && std::chrono::steady_clock::now() < giveUp) {
      device_->Update();
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  size_t BytesWritten() const {
    struct stat info {};
    return stat(output_.c_str(), &info) == 0 ? size_t(info.st_size) : 0;
  }
  // The mixed output so far, as interleaved 16-bit stereo samples.
  std::vector<int16_t> Output() {
    device_->Close();
    const std::string bytes = TestSupport::ReadFile(output_);
    std::vector<int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
  }
  static int Loudest(const std::vector<int16_t>& samples, size_t from = 0, size_t to = SIZE_MAX) {
    int loudest = 0;
    for (size_t i = from; i < std::min(to, samples.size()); ++i) loudest = std::max(loudest, std::abs(int(samples[i])));
    return loudest;
  }

  TestSupport::TempFolder folder_;
  std::filesystem::path output_;
  std::unique_ptr<Platform::AudioDevice> device_;
  Platform::AudioGroup effects_ = 0, music_ = 0;
};

}  // namespace

TEST_F(SdlAudioDeviceTest, APlayedEffectReachesTheOutput) {
  device_->PlayEffect(device_->LoadEffect(File("tone.wav", Tone(0.3))), effects_);
  Run(0.4);
  EXPECT_GT(Loudest(Output()), 5000);
}

TEST_F(SdlAudioDeviceTest, MusicAndDrumTracksLoop) {
  // Tracks far shorter than the run still sound at its end.
  const auto music = device_->PlayMusic(File("music.wav", Tone(0.05)), music_);
  ASSERT_NE(music, 0u);
  Run(0.5);
  const size_t musicEnd = BytesWritten() / 2;
  device_->Stop(music);
  ASSERT_NE(device_->PlayDrums(File("drums.wav", Tone(0.05, 220)), music_), 0u);
  Run(0.5);
  const auto samples = Output();
  ASSERT_GT(musicEnd, size_t(kRate / 2));
  EXPECT_GT(Loudest(samples, musicEnd - kRate / 4, musicEnd), 5000);
  EXPECT_GT(Loudest(samples, samples.size() - kRate / 4), 5000);
}

TEST_F(SdlAudioDeviceTest, MusicAndDrumsStartInTheSameBuffer) {
  // Two clicks that loop together add up; out of step they would not.
  device_->PlayDrums(File("drums.wav", Click(0.1, 9000)), music_);
  device_->PlayMusic(File("music.wav", Click(0.1, 9000)), music_);
  Run(0.4);
  const auto samples = Output();
  int clicks = 0;
  for (int16_t sample : samples) {
    if (std::abs(sample) > 3000) {
      ++clicks;
      EXPECT_GT(std::abs(sample), 15000);
    }
  }
  EXPECT_GT(clicks, 0);
}

TEST_F(SdlAudioDeviceTest, AMutedGroupIsSilent) {
  device_->SetGroupVolume(effects_, 0.0f);
  device_->PlayEffect(device_->LoadEffect(File("tone.wav", Tone(0.3))), effects_);
  Run(0.3);
  EXPECT_EQ(Loudest(Output()), 0);
}

TEST_F(SdlAudioDeviceTest, AnEffectStartedInAPausedGroupWaitsForTheResume) {
  device_->SetGroupPaused(effects_, true);
  device_->PlayEffect(device_->LoadEffect(File("tone.wav", Tone(0.3))), effects_);
  Run(0.3);
  const size_t pausedEnd = BytesWritten() / 2;  // never more than was mixed
  device_->SetGroupPaused(effects_, false);
  Run(0.3);
  const auto samples = Output();
  EXPECT_GT(pausedEnd, 0u);
  EXPECT_EQ(Loudest(samples, 0, pausedEnd), 0);
  EXPECT_GT(Loudest(samples, pausedEnd), 5000);
}

TEST_F(SdlAudioDeviceTest, TracksReplacedWhilePausedPlayAfterTheResume) {
  device_->PlayMusic(File("a.wav", Tone(0.2)), music_);
  device_->PlayDrums(File("b.wav", Tone(0.2, 330)), music_);
  Run(0.1);
  device_->SetGroupPaused(music_, true);
  const auto music = device_->PlayMusic(File("c.wav", Tone(0.2, 550)), music_);
  Run(0.2);
  const size_t pausedEnd = BytesWritten() / 2;
  device_->SetGroupPaused(music_, false);
  Run(0.2);
  device_->Stop(music);  // the drums alone must still sound
  Run(0.2);
  const auto samples = Output();
  EXPECT_EQ(Loudest(samples, pausedEnd - kRate / 10, pausedEnd), 0);
  EXPECT_GT(Loudest(samples, samples.size() - kRate / 10), 5000);
}

TEST_F(SdlAudioDeviceTest, AStoppedOrReplacedTrackFallsSilent) {
  const auto first = device_->PlayMusic(File("a.wav", Tone(0.2)), music_);
  Run(0.2);
  const auto second = device_->PlayMusic(File("b.wav", Tone(0.2, 330)), music_);
  EXPECT_NE(first, second);
  device_->Stop(first);  // stale: must not stop the new track
  Run(0.2);
  const size_t playing = BytesWritten() / 2;
  device_->Stop(second);
  Run(0.3);
  const auto samples = Output();
  EXPECT_GT(Loudest(samples, playing - kRate / 10, playing), 5000);
  EXPECT_EQ(Loudest(samples, samples.size() - kRate / 5), 0);
}

// The game's own files cut short on disk, as a crash while copying leaves them.
class DamagedFileTest : public SdlAudioDeviceTest {
 protected:
  static std::string Shipped(const char* file) {
    return TestSupport::ReadFile(std::string(CORVIDALE_SOURCE_ROOT) + "/" + file);
  }
  // The first bytes of a shipped file, as a file of their own.
  std::string Cut(const char* file, size_t bytes) {
    const auto path = folder_.Path() / ("cut" + std::to_string(++cuts_) + ".ogg");
    std::ofstream(path, std::ios::binary) << Shipped(file).substr(0, bytes);
    return path.string();
  }
  // Bytes up to the first page that carries sound: the headers alone.
  static size_t HeadersEnd(const std::string& ogg) {
    for (size_t page = ogg.find("OggS"); page != std::string::npos; page = ogg.find("OggS", page + 4)) {
      uint64_t granule = 0;
      std::memcpy(&granule, ogg.data() + page + 6, sizeof granule);
      if (granule != 0) return page;
    }
    return ogg.size();
  }
  void ExpectUnreadable(const std::string& path) {
    EXPECT_EQ(device_->LoadEffect(path), 0u);
    EXPECT_EQ(device_->PlayMusic(path, music_), 0u);
    EXPECT_EQ(device_->PlayDrums(path, music_), 0u);
    EXPECT_NE(device_->LastError(), "");
  }
  int cuts_ = 0;
};

TEST_F(DamagedFileTest, AFileCutBeforeItsFirstSoundIsRefused) {
  const char* source = "Resources/sounds/Siren.ogg";
  ExpectUnreadable(Cut(source, 0));
  ExpectUnreadable(Cut(source, 100));
  ExpectUnreadable(Cut(source, HeadersEnd(Shipped(source))));
  EXPECT_NE(device_->LastError().find("holds no sound"), std::string::npos);
}

TEST_F(DamagedFileTest, AFileCutShortPlaysWhatIsLeft) {
  const auto effect = device_->LoadEffect(Cut("Resources/sounds/Siren.ogg", 12000));
  ASSERT_NE(effect, 0u);
  device_->PlayEffect(effect, effects_);
  const auto music = Cut("Resources/music/Level2Drum.ogg", 9000);
  ASSERT_NE(device_->PlayMusic(music, music_), 0u);
  ASSERT_NE(device_->PlayDrums(music, music_), 0u);
  Run(1.0);  // several times round the short loops
  const auto samples = Output();
  EXPECT_GT(Loudest(samples, 0, kRate / 4), 5000);
  EXPECT_GT(Loudest(samples, samples.size() - kRate / 2), 2000);
}

// Every file the game's lists name decodes.
TEST(GameSounds, EveryListedFileLoads) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  TestSupport::ScopedWorkingFolder inSource(CORVIDALE_SOURCE_ROOT);
  auto device = Platform::MakeAudioDevice();
  if (!device->Open(8)) GTEST_SKIP() << device->LastError();
  const auto group = device->CreateGroup("any");
  for (const char* list : {"Resources/Sound.txt", "Resources/BGM.txt"}) {
    std::istringstream words(TestSupport::ReadFile(list));
    std::string name, path;
    int pairs = 0;
    while (words >> name >> path) {
      ++pairs;
      const bool isMusic = std::string(list) == "Resources/BGM.txt";
      const bool loads = isMusic ? device->PlayDrums(path, group) != 0 && device->PlayMusic(path, group) != 0
                                 : device->LoadEffect(path) != 0;
      EXPECT_TRUE(loads) << name << ": " << device->LastError();
    }
    EXPECT_GT(pairs, 10) << list;
  }
  device->Close();
}
