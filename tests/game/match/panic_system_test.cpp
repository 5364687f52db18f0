#include <gtest/gtest.h>

#include <string>

#include "engine/core/Engine.h"
#include "engine/ui/SysVars.h"
#include "game/match/PanicSystem.h"
#include "support/TestSupport.h"

using Framework::GetSysVar;

namespace {

std::string PanicFile(const std::string& fields) { return "<?xml version=\"1.0\"?>\n<Panic>" + fields + "</Panic>\n"; }

class PanicSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Framework::GetEngine().paused = false;
    panic.calmCrowd = [this] { ++calms; };
  }
  // Loads settings from a file holding fields; returns the error output.
  std::string Load(const std::string& fields) {
    const auto path = temp.Write("panic_info.xml", PanicFile(fields));
    testing::internal::CaptureStderr();
    panic.LoadSettings(path.string());
    return testing::internal::GetCapturedStderr();
  }
  // Runs whole seconds of play, one update per second.
  void Seconds(int count) {
    testing::internal::CaptureStdout();
    for (int i = 0; i < count; ++i) panic.Update(1.0f);
    output += testing::internal::GetCapturedStdout();
  }

  TestSupport::TempFolder temp;
  PanicSystem panic;
  int calms = 0;
  std::string output;
};

TEST_F(PanicSystemTest, TenSecondsOfPanicMakeOneStrikeAndCalmTheCrowd) {
  panic.Reset();
  panic.AddPanicSource(1);
  panic.AddPanicSource(1);
  Seconds(9);
  EXPECT_EQ(panic.level, 9);
  EXPECT_EQ(panic.strikes, 0);
  Seconds(1);
  EXPECT_EQ(panic.strikes, 1);
  EXPECT_EQ(panic.level, 0);
  EXPECT_EQ(panic.sources, 0);
  EXPECT_FALSE(panic.isPanicking);
  EXPECT_EQ(calms, 1);
  EXPECT_NE(output.find("Panic level: 9\n"), std::string::npos);
  EXPECT_NE(output.find("Panic strikes: 1\n"), std::string::npos);
  // Calm again: the level stays down.
  Seconds(5);
  EXPECT_EQ(panic.level, 0);
}

TEST_F(PanicSystemTest, SourcesNeverGoNegativeAndASecondSourceKeepsTheTimer) {
  panic.Reset();
  panic.AddPanicSource(1);
  panic.AddPanicSource(-1);  // entered and left in one frame
  EXPECT_EQ(panic.sources, 0);
  EXPECT_FALSE(panic.isPanicking);
  panic.AddPanicSource(-1);
  EXPECT_EQ(panic.sources, 0);

  panic.AddPanicSource(1);
  panic.Update(0.6f);
  panic.AddPanicSource(1);  // must not restart the running step
  panic.Update(0.5f);
  EXPECT_EQ(panic.level, 1);
}

TEST_F(PanicSystemTest, DisabledOrPausedFreezesTheLevelButCallbacksStillCount) {
  panic.Reset();
  panic.SetEnabled(false);
  panic.AddPanicSource(1);
  panic.AddStrikes(2);
  Seconds(20);
  EXPECT_EQ(panic.level, 0);
  EXPECT_EQ(panic.strikes, 2);
  panic.SetEnabled(true);
  Framework::GetEngine().paused = true;
  Seconds(20);
  Framework::GetEngine().paused = false;
  EXPECT_EQ(panic.level, 0);
  Seconds(1);
  EXPECT_EQ(panic.level, 1);
}

TEST_F(PanicSystemTest, ThresholdOneStrikesEveryStepAndStrikesStopAtTheChances) {
  Load("<panicThresholdPerStrike int=\"1\"/><panicStrikeChances int=\"3\"/>");
  panic.Reset();
  for (int i = 0; i < 5; ++i) {
    panic.AddPanicSource(1);
    Seconds(1);
  }
  EXPECT_EQ(panic.strikes, 3);
  EXPECT_TRUE(panic.StrikesExhausted());
  // Direct strikes may pass the chances; the next panic strike clamps them.
  panic.AddStrikes(4);
  EXPECT_EQ(panic.strikes, 7);
  panic.AddPanicSource(1);
  Seconds(1);
  EXPECT_EQ(panic.strikes, 3);
}

TEST_F(PanicSystemTest, RateZeroKeepsTheLevelAtZeroWhileGuestsPanic) {
  Load("<panicPerSecond float=\"0\"/>");
  panic.Reset();
  EXPECT_FLOAT_EQ(panic.period, 1.0f);
  panic.AddPanicSource(1);
  Seconds(30);
  EXPECT_EQ(panic.level, 0);
  EXPECT_EQ(panic.strikes, 0);
}

TEST_F(PanicSystemTest, SettingsFileDefaultsAndRefusedValues) {
  testing::internal::CaptureStderr();
  panic.LoadSettings((temp.Path() / "missing.xml").string());
  testing::internal::GetCapturedStderr();
  EXPECT_TRUE(panic.enabled);
  EXPECT_FLOAT_EQ(panic.panicPerSecond, 1.0f);
  EXPECT_EQ(panic.thresholdPerStrike, 10);
  EXPECT_EQ(panic.strikeChances, 10);

  EXPECT_EQ(Load("<enabled bool=\"false\"/><panicPerSecond float=\"2\"/>"
                 "<panicThresholdPerStrike int=\"4\"/><panicStrikeChances int=\"3\"/>"),
            "");
  EXPECT_FALSE(panic.enabled);
  EXPECT_FLOAT_EQ(panic.panicPerSecond, 2.0f);
  EXPECT_EQ(panic.thresholdPerStrike, 4);
  EXPECT_EQ(panic.strikeChances, 3);

  // A later file that leaves entries out gets the defaults, not the last match's values.
  const std::string missing = Load("<panicStrikeChances int=\"5\"/>");
  EXPECT_NE(missing.find("enabled"), std::string::npos) << "a missing entry is reported";
  EXPECT_TRUE(panic.enabled);
  EXPECT_EQ(panic.thresholdPerStrike, 10);
  EXPECT_EQ(panic.strikeChances, 5);

  const std::string refused = Load("<panicPerSecond float=\"-3\"/><panicStrikeChances int=\"0\"/>");
  EXPECT_NE(refused.find("Error: panicPerSecond"), std::string::npos);
  EXPECT_NE(refused.find("Error: panicStrikeChances"), std::string::npos);
  EXPECT_FLOAT_EQ(panic.panicPerSecond, 0.0f);
  EXPECT_EQ(panic.strikeChances, 10);
  panic.Reset();
  EXPECT_FALSE(panic.StrikesExhausted()) << "a match must not end in its first frame";
}

TEST_F(PanicSystemTest, SharedVariablesFollowTheLatestResetAndOutliveTheSystem) {
  {
    PanicSystem other;
    other.Reset();
    other.AddStrikes(2);
    EXPECT_EQ(GetSysVar<int>("panicStrikes"), 2);
    panic.Reset();
    panic.AddStrikes(1);
    EXPECT_EQ(GetSysVar<int>("panicStrikes"), 1);
    other.Reset();
  }
  // The last registered system is gone: the names read as a calm, empty match.
  EXPECT_EQ(GetSysVar<int>("panicStrikes"), 0);
  EXPECT_EQ(GetSysVar<int>("panicStrikeChances"), 0);
  EXPECT_FALSE(GetSysVar<bool>("isPanicking"));
  panic.Reset();
  panic.AddPanicSource(1);
  EXPECT_TRUE(GetSysVar<bool>("isPanicking"));
  EXPECT_EQ(GetSysVar<int>("panicStrikeChances"), 10);
}

}  // namespace
