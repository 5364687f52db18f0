#include <gtest/gtest.h>

#include "engine/core/Engine.h"
#include "engine/ui/SysVars.h"
#include "game/match/PanicSystem.h"
#include "support/TestSupport.h"

using Framework::GetSysVar;

namespace {

class PanicSystemTest : public ::testing::Test {
 protected:
  void SetUp() override { panic.calmCrowd = [this] { ++calms; }; }
  std::string Load(const std::string& fields) {
    testing::internal::CaptureStderr();
    panic.LoadSettings(temp.Write("p.xml", "<?xml version=\"1.0\"?><P>" + fields + "</P>").string());
    panic.Reset();
    return testing::internal::GetCapturedStderr();
  }
  void Seconds(int count) {
    for (int i = 0; i < count; ++i) panic.Update(1.0f);
  }
  TestSupport::TempFolder temp;
  PanicSystem panic;
  int calms = 0;
};

TEST_F(PanicSystemTest, PanicRisesToAStrikeThatCalmsTheCrowdUnlessDisabledOrPaused) {
  panic.Reset();
  panic.AddPanicSource(1);
  panic.AddPanicSource(-1);  // in and out in one frame
  panic.AddPanicSource(-1);
  EXPECT_EQ(panic.sources, 0);
  EXPECT_FALSE(GetSysVar<bool>("isPanicking"));
  panic.AddPanicSource(1);
  panic.Update(0.6f);
  panic.AddPanicSource(1);  // a second source keeps the running step
  panic.Update(0.5f);
  EXPECT_EQ(panic.level, 1);
  Seconds(9);
  EXPECT_EQ(GetSysVar<int>("panicStrikes"), 1);
  EXPECT_EQ(calms, 1);
  EXPECT_FALSE(panic.isPanicking || panic.sources || panic.level);
  panic.SetEnabled(false);
  panic.AddPanicSource(1);
  panic.AddStrikes(2);  // callbacks count while disabled
  Seconds(20);
  panic.SetEnabled(true);
  Framework::GetEngine().paused = true;
  Seconds(20);
  Framework::GetEngine().paused = false;
  EXPECT_EQ(panic.level, 0);
  EXPECT_EQ(panic.strikes, 3);
}

TEST_F(PanicSystemTest, ThresholdOneStrikesEveryStepAndStrikesStopAtTheChances) {
  Load("<panicThresholdPerStrike int=\"1\"/><panicStrikeChances int=\"3\"/>");
  for (int i = 0; i < 5; ++i) {
    panic.AddPanicSource(1);
    Seconds(1);
  }
  EXPECT_EQ(panic.strikes, 3);
  EXPECT_TRUE(panic.StrikesExhausted());
  panic.AddStrikes(4);
  panic.AddPanicSource(1);
  Seconds(1);
  EXPECT_EQ(panic.strikes, 3) << "a panic strike clamps direct strikes back to the chances";
}

TEST_F(PanicSystemTest, SettingsFileDefaultsAndRefusedValues) {
  Load("<panicPerSecond float=\"0\"/>");
  panic.AddPanicSource(1);
  Seconds(30);
  EXPECT_EQ(panic.level, 0) << "rate 0: the level never rises";
  // A later file that leaves entries out gets the defaults, not the last level's values.
  EXPECT_NE(Load("<enabled bool=\"false\"/>").find("panicStrikeChances"), std::string::npos);
  EXPECT_FALSE(panic.enabled);
  EXPECT_FLOAT_EQ(panic.panicPerSecond, 1.0f);
  EXPECT_EQ(panic.thresholdPerStrike, 10);
  const std::string refused = Load("<panicPerSecond float=\"-3\"/><panicStrikeChances int=\"0\"/>");
  EXPECT_NE(refused.find("Error: panicPerSecond"), std::string::npos);
  EXPECT_NE(refused.find("Error: panicStrikeChances"), std::string::npos);
  EXPECT_FLOAT_EQ(panic.panicPerSecond, 0.0f);
  EXPECT_FALSE(panic.StrikesExhausted()) << "a match must not end in its first frame";
  const std::string lies =
      Load("<panicPerSecond float=\"nan\"/><panicThresholdPerStrike int=\"0\"/><panicStrikeChances int=\"5000\"/>");
  for (const char* lie : {"panicPerSecond = nan", "panicThresholdPerStrike = 0", "panicStrikeChances = 5000"})
    EXPECT_NE(lies.find("Error: " + (temp.Path() / "p.xml").string() + ": " + lie), std::string::npos) << lies;
  EXPECT_TRUE(panic.panicPerSecond == 1.0f && panic.thresholdPerStrike == 10 && panic.strikeChances == 10);
  testing::internal::CaptureStderr();
  panic.LoadSettings((temp.Path() / "missing.xml").string());
  testing::internal::GetCapturedStderr();
  EXPECT_TRUE(panic.enabled);
  EXPECT_EQ(panic.strikeChances, 10);
}

TEST_F(PanicSystemTest, SharedVariablesFollowTheLatestResetAndOutliveTheSystem) {
  {
    PanicSystem other;
    other.Reset();
    other.AddStrikes(2);
    EXPECT_EQ(GetSysVar<int>("panicStrikes"), 2);
  }
  EXPECT_EQ(GetSysVar<int>("panicStrikes"), 0) << "the names read a calm, empty match";
  EXPECT_EQ(GetSysVar<int>("panicStrikeChances"), 0);
}

}  // namespace
