#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/audio/AudioManager.h"
#include "engine/core/Engine.h"
#include "engine/platform/TestBackend.h"
#include "engine/ui/SysVars.h"
#include "support/RecordingAudioDevice.h"
#include "support/TestSupport.h"

using Framework::AudioManager;
using TestSupport::RecordingAudioDevice;

namespace {

const char* kSounds =
    "Punch Resources/sounds/punch_a.ogg\n"
    "Alarm Resources/sounds/alarm.ogg\n"
    "Punch Resources/sounds/punch_b.ogg\n"
    "Siren Resources/sounds/broken.ogg\n"
    "Explosion Resources/sounds/boom.ogg\n"
    "Stray";
const char* kMusic =
    "Level1 Resources/music/level1.ogg Level1Drum Resources/music/level1drum.ogg\n"
    "Level2 Resources/music/level2.ogg Level2Drum Resources/music/level2drum.ogg\n"
    "Broken Resources/music/broken.ogg\n";

class AudioManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previousBackend_ = Platform::SetBackend(std::make_unique<Platform::TestBackend>());
    backend_ = static_cast<Platform::TestBackend*>(&Platform::Current());
    auto device = std::make_unique<RecordingAudioDevice>();
    device->unreadablePaths = {"Resources/sounds/broken.ogg", "Resources/music/broken.ogg"};
    device_ = device.get();
    audio_.UseDevice(std::move(device));
  }
  void TearDown() override {
    Framework::GetEngine().paused = false;
    Framework::GetEngine().soundEnabled = true;
    Platform::SetBackend(std::move(previousBackend_));
  }
  // Starts the manager in a folder holding the given lists (null: no file).
  void Start(const char* sounds = kSounds, const char* music = kMusic) {
    if (sounds) folder_.Write("Resources/Sound.txt", sounds);
    if (music) folder_.Write("Resources/BGM.txt", music);
    TestSupport::ScopedWorkingFolder inFolder(folder_.Path());
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();  // a second manager's duplicate sysvar line
    audio_.Initialize();
    startOutput_ = testing::internal::GetCapturedStdout();
    startErrors_ = testing::internal::GetCapturedStderr();
  }
  // Runs f and returns what it wrote to stderr.
  template <class F>
  std::string Errors(F f) {
    testing::internal::CaptureStderr();
    f();
    return testing::internal::GetCapturedStderr();
  }
  // Starts the manager with the first level's music and drums playing.
  void StartLevelMusic() {
    Start();
    audio_.PlayBGM("Level1");
    audio_.PlayDrum("Level1Drum");
  }
  const RecordingAudioDevice::Channel& Channel(Platform::AudioChannel channel) { return device_->At(channel); }

  TestSupport::TempFolder folder_;
  AudioManager audio_;
  RecordingAudioDevice* device_ = nullptr;
  Platform::TestBackend* backend_ = nullptr;
  std::string startOutput_, startErrors_;

 private:
  std::unique_ptr<Platform::Backend> previousBackend_;
};

}  // namespace

// Runs first so that the global manager, not a test's own, owns the names.
TEST(AudioManagerGlobal, PublishesItsVolumesAsSharedVariables) {
  AudioManager& audio = Framework::GetAudioManager();
  audio.UseDevice(std::make_unique<RecordingAudioDevice>());
  TestSupport::TempFolder empty;
  TestSupport::ScopedWorkingFolder inFolder(empty.Path());
  testing::internal::CaptureStdout();
  audio.Initialize();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(Framework::SysVars().GetPtr("soundVolume"), &audio.soundVolume);
  EXPECT_EQ(Framework::SysVars().GetPtr("musicVolume"), &audio.musicVolume);
  EXPECT_EQ(Framework::SysVars().GetFloat("musicVolume"), 1.0f);
  audio.Shutdown();
}

TEST_F(AudioManagerTest, ListsKeepTheFirstPairOfANameAndDropATrailingWord) {
  Start();
  EXPECT_EQ(startOutput_, "");
  EXPECT_EQ(audio_.effectCount, 5u);  // the duplicate uses up an index
  EXPECT_EQ(audio_.musicCount, 5u);
  EXPECT_EQ(audio_.effects.at("Punch").path, "Resources/sounds/punch_a.ogg");
  EXPECT_EQ(audio_.effects.at("Explosion").index, 4u);
  EXPECT_EQ(audio_.effects.count("Stray"), 0u);
  EXPECT_EQ(audio_.music.at("Level2Drum").index, 3u);

  // Each name plays its own file, even the ones after the duplicate.
  audio_.PlaySound("Punch");
  EXPECT_EQ(Channel(audio_.lastEffectChannel).path, "Resources/sounds/punch_a.ogg");
  audio_.PlaySound("Explosion");
  EXPECT_EQ(Channel(audio_.lastEffectChannel).path, "Resources/sounds/boom.ogg");
  EXPECT_FALSE(Channel(audio_.lastEffectChannel).looping);
  EXPECT_EQ(device_->GroupOf(audio_.lastEffectChannel).name, "Sound Effects");
}

TEST_F(AudioManagerTest, UnknownOrUnreadableEffectsPlayNothingAndSaySo) {
  Start();
  const size_t before = device_->channels.size();
  EXPECT_EQ(Errors([&] { audio_.PlaySound("Stray"); }), "Sound Index out of Bounds\n");
  EXPECT_EQ(Errors([&] { audio_.PlaySound("Siren"); }), "Sound Index out of Bounds\n");
  EXPECT_EQ(Errors([&] { audio_.PlaySound("Nobody"); }), "Sound Index out of Bounds\n");
  EXPECT_EQ(device_->channels.size(), before);
}

TEST_F(AudioManagerTest, MissingListsPrintTheirMessagesAndLeaveEverythingSilent) {
  Start(nullptr, nullptr);
  EXPECT_EQ(startOutput_, "failed to open sound path\nfailed to open BGM path\n");
  EXPECT_EQ(audio_.effectCount, 0u);
  EXPECT_EQ(audio_.musicCount, 0u);
  EXPECT_EQ(Errors([&] { audio_.PlayBGM("Level1"); }), "BGM Index out of bounds\n");
  EXPECT_EQ(Errors([&] { audio_.PlayDrum("Level1Drum"); }), "Drum Index out of bounds\n");
  EXPECT_TRUE(device_->channels.empty());
}

TEST_F(AudioManagerTest, WithoutADeviceItSaysSoOnceAndThenKeepsQuiet) {
  device_->openSucceeds = false;
  Start();
  EXPECT_EQ(startErrors_.find("Error: No sound device"), startErrors_.rfind("Error: No sound device"));
  EXPECT_NE(startErrors_.find("Error: No sound device"), std::string::npos);
  EXPECT_EQ(Errors([&] {
              audio_.PlaySound("Punch");
              audio_.PlayBGM("Level1");
              audio_.PlayDrum("Level1Drum");
              audio_.Update(0.1f);
            }),
            "");
}

TEST_F(AudioManagerTest, NewTracksReplaceTheOldOnesAndLoopSideBySide) {
  Start();
  audio_.PlayDrum("Level1Drum");
  audio_.PlayBGM("Level1");
  const auto firstMusic = audio_.musicChannel;
  const auto firstDrums = audio_.drumChannel;
  EXPECT_TRUE(Channel(firstMusic).looping);
  EXPECT_TRUE(Channel(firstDrums).looping);
  EXPECT_EQ(device_->GroupOf(firstMusic).name, "BGM");
  EXPECT_EQ(device_->GroupOf(firstDrums).name, "BGM");

  audio_.PlayBGM("Level2");
  EXPECT_TRUE(Channel(firstMusic).stopped);
  EXPECT_FALSE(Channel(firstDrums).stopped);  // the drums play on
  EXPECT_EQ(Channel(audio_.musicChannel).path, "Resources/music/level2.ogg");
  audio_.PlayDrum("Level2Drum");
  EXPECT_TRUE(Channel(firstDrums).stopped);
  EXPECT_TRUE(device_->Audible(audio_.musicChannel));
  EXPECT_TRUE(device_->Audible(audio_.drumChannel));

  // A name that cannot play still stops the old music.
  const auto second = audio_.musicChannel;
  EXPECT_EQ(Errors([&] { audio_.PlayBGM("Broken"); }), "BGM Index out of bounds\n");
  EXPECT_TRUE(Channel(second).stopped);
  EXPECT_EQ(audio_.musicChannel, 0u);
}

TEST_F(AudioManagerTest, StopAllSilencesTheTracksButNotTheEffects) {
  StartLevelMusic();
  audio_.PlaySound("Alarm");
  audio_.StopAll();
  EXPECT_FALSE(device_->Audible(audio_.musicChannel));
  EXPECT_FALSE(device_->Audible(audio_.drumChannel));
  EXPECT_TRUE(device_->Audible(audio_.lastEffectChannel));
}

TEST_F(AudioManagerTest, StopLastEffectCutsOnlyTheNewestEffect) {
  StartLevelMusic();
  audio_.PlaySound("Alarm");
  const auto older = audio_.lastEffectChannel;
  audio_.PlaySound("Punch");
  audio_.StopLastEffect();
  EXPECT_FALSE(device_->Audible(audio_.lastEffectChannel));
  EXPECT_TRUE(device_->Audible(older));
  EXPECT_TRUE(device_->Audible(audio_.musicChannel));
  audio_.StopLastEffect();  // twice in a row: nothing more to stop
  EXPECT_TRUE(device_->Audible(older));
}

TEST_F(AudioManagerTest, LosingFocusPausesEverythingUntilItReturns) {
  StartLevelMusic();
  audio_.PlaySound("Alarm");
  const auto before = audio_.lastEffectChannel;

  backend_->SetActive(false);
  audio_.Update(0.016f);
  EXPECT_TRUE(device_->groups[audio_.effectsGroup - 1].paused);
  EXPECT_TRUE(device_->groups[audio_.musicGroup - 1].paused);
  EXPECT_FALSE(device_->Audible(before));
  EXPECT_FALSE(device_->Audible(audio_.musicChannel));
  EXPECT_FALSE(device_->Audible(audio_.drumChannel));
  audio_.PlaySound("Punch");  // started while away: stays silent
  EXPECT_FALSE(device_->Audible(audio_.lastEffectChannel));

  backend_->SetActive(true);
  audio_.Update(0.016f);
  EXPECT_TRUE(device_->Audible(before));
  EXPECT_TRUE(device_->Audible(audio_.lastEffectChannel));
  EXPECT_TRUE(device_->Audible(audio_.musicChannel));
  EXPECT_TRUE(device_->Audible(audio_.drumChannel));
}

TEST_F(AudioManagerTest, PausingFadesTheMusicButNotTheDrums) {
  StartLevelMusic();
  Framework::GetEngine().paused = true;
  audio_.Update(0.5f);
  EXPECT_FLOAT_EQ(audio_.musicLevel, 0.8f);
  EXPECT_FLOAT_EQ(Channel(audio_.musicChannel).volume, 0.8f);
  EXPECT_FLOAT_EQ(Channel(audio_.drumChannel).volume, 1.0f);

  // Out to silence; a step below zero never reaches the mixer.
  for (int frame = 0; frame < 6; ++frame) {
    audio_.Update(0.5f);
    EXPECT_GE(Channel(audio_.musicChannel).volume, 0.0f);
    EXPECT_FLOAT_EQ(Channel(audio_.drumChannel).volume, 1.0f);
  }
  EXPECT_EQ(audio_.musicLevel, 0.0f);

  // Back up at the same rate, overshooting by less than a step for a frame.
  Framework::GetEngine().paused = false;
  audio_.Update(1.0f);
  EXPECT_FLOAT_EQ(audio_.musicLevel, 0.4f);
  audio_.Update(1.0f);
  audio_.Update(1.0f);
  EXPECT_FLOAT_EQ(audio_.musicLevel, 1.2f);
  EXPECT_FLOAT_EQ(Channel(audio_.musicChannel).volume, 1.0f);
  audio_.Update(1.0f);
  EXPECT_FLOAT_EQ(audio_.musicLevel, 1.0f);
}

TEST_F(AudioManagerTest, LoweringTheMusicVolumeActsAtOnceAndAllVolumesAreClamped) {
  StartLevelMusic();
  audio_.musicVolume = 0.3f;
  audio_.Update(0.016f);
  EXPECT_FLOAT_EQ(Channel(audio_.musicChannel).volume, 0.3f);
  EXPECT_FLOAT_EQ(Channel(audio_.drumChannel).volume, 0.3f);

  audio_.soundVolume = 4.0f;
  audio_.musicVolume = 7.0f;
  audio_.Update(0.016f);
  EXPECT_EQ(device_->groups[audio_.effectsGroup - 1].volume, 1.0f);
  EXPECT_EQ(Channel(audio_.drumChannel).volume, 1.0f);
  audio_.soundVolume = -1.0f;
  audio_.musicVolume = std::nanf("");
  audio_.Update(0.016f);
  EXPECT_EQ(device_->groups[audio_.effectsGroup - 1].volume, 0.0f);
  EXPECT_EQ(Channel(audio_.drumChannel).volume, 0.0f);
}

TEST_F(AudioManagerTest, ANewTrackStartsAtTheCurrentLevelsNotAtFullVolume) {
  Start();
  audio_.musicVolume = 0.2f;
  audio_.Update(0.016f);
  audio_.PlayBGM("Level1");
  audio_.PlayDrum("Level1Drum");
  EXPECT_FLOAT_EQ(Channel(audio_.musicChannel).volume, 0.2f);
  EXPECT_FLOAT_EQ(Channel(audio_.drumChannel).volume, 0.2f);

  // Faded out by the pause: new music stays silent, new drums do not.
  Framework::GetEngine().paused = true;
  audio_.Update(1.0f);
  audio_.PlayBGM("Level2");
  audio_.PlayDrum("Level2Drum");
  EXPECT_EQ(Channel(audio_.musicChannel).volume, 0.0f);
  EXPECT_FLOAT_EQ(Channel(audio_.drumChannel).volume, 0.2f);
}

TEST_F(AudioManagerTest, WithTheSoundFlagClearedPlayCallsDoNothingAtAll) {
  Start();
  audio_.PlayBGM("Level1");
  Framework::GetEngine().soundEnabled = false;
  const int callsBefore = device_->calls;
  EXPECT_EQ(Errors([&] {
              audio_.PlaySound("Punch");
              audio_.PlaySound("Nobody");
              audio_.PlayBGM("Level2");
              audio_.PlayDrum("Level2Drum");
            }),
            "");
  EXPECT_EQ(device_->calls, callsBefore);
  EXPECT_TRUE(device_->Audible(audio_.musicChannel));  // not even stopped
}

TEST_F(AudioManagerTest, ShutdownClosesTheDeviceAndLeavesTheManagerQuiet) {
  Start();
  audio_.PlayBGM("Level1");
  audio_.Shutdown();
  EXPECT_TRUE(device_->closed);
  EXPECT_EQ(Errors([&] {
              audio_.PlaySound("Punch");
              audio_.Update(0.016f);
            }),
            "");
}
