// The Detective's entrance in a real scene: the Detective and the siren
// built from the shipped archetypes, the intro from test settings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/Transform.h"
#include "engine/ui/SysVars.h"
#include "engine/ui/UIStattrak.h"
#include "game/characters/Detective.h"
#include "game/match/DetectiveIntro.h"
#include "support/MatchWorld.h"

using Framework::GetSysVar;

namespace {

const char* const kScene = "entrance";

class DetectiveIntroTest : public TestSupport::MatchWorld {
 protected:
  // An entrance from (-700, 0) to (-500, 0) with the siren parked at (-900, -190).
  void Build(float entryTime, bool withDetective = true) {
    const std::string settings = "<DetectiveIntro>" + Field("entryTime", "float", std::to_string(entryTime)) +
                              Field("walkTime", "float", "1") + Field("endPosition", "Vec3", "-500,0,0") +
                              Field("sirenEntryTime", "float", std::to_string(entryTime)) +
                              Field("sirenWalkTime", "float", "1") + Field("sirenStayTime", "float", "2") +
                              Field("sirenExitTime", "float", "1") +
                              Field("sirenEnterPosition", "Vec3", "-560,-190,0") +
                              Field("sirenExitPosition", "Vec3", "-900,-190,0") + "</DetectiveIntro>";
    WriteObject(kScene, "start.xml", Archetype("DetectiveStart", "untagged", "-700,0,0", settings));
    std::vector<std::string> entries = {"../archetypes/Siren.xml", "start.xml"};
    if (withDetective) entries.insert(entries.begin(), "../archetypes/Detective.xml");
    WriteIndex(kScene, entries);
    Enter(kScene);
    intro = Find<DetectiveIntro>("DetectiveStart");
    ASSERT_NE(intro, nullptr);
    intro->arrivalCallback = [this](bool arrived) { arrivals.push_back(arrived); };
  }
  Math::Vec3 PositionOf(const std::string& name) { return Object(name)->GetTransform().position; }

  DetectiveIntro* intro = nullptr;
  std::vector<bool> arrivals;
};

TEST_F(DetectiveIntroTest, CountdownThenWalkThenArrivalWithTheSirenInItsOrder) {
  Build(2.0f);
  Detective* detective = Find<Detective>("Player1");
  ASSERT_NE(detective, nullptr);
  Seconds(3.0f);  // nobody has died yet: the Detective waits, locked, at the door
  EXPECT_FALSE(detective->inputEnabled || detective->actionsEnabled || detective->arrestEnabled ||
               detective->punchEnabled);
  EXPECT_FLOAT_EQ(PositionOf("Player1").x, -700.0f);
  EXPECT_FLOAT_EQ(GetSysVar<float>("entryTime"), 2.0f);

  intro->StartEntrance();
  Seconds(1.0f);
  EXPECT_NEAR(GetSysVar<float>("entryTime"), 1.0f, 0.11f);
  EXPECT_EQ(Framework::UIStattrak::FormatValue("entryTime").substr(0, 2), "1.") << "the HUD counts down";
  EXPECT_FALSE(intro->walking);
  Seconds(1.0f);
  EXPECT_TRUE(intro->walking);
  EXPECT_FLOAT_EQ(GetSysVar<float>("entryTime"), 0.0f);
  EXPECT_TRUE(arrivals.empty());

  Seconds(1.1f);  // the walk and the siren's drive in
  EXPECT_TRUE(intro->finished);
  EXPECT_EQ(arrivals, std::vector<bool>{true});
  EXPECT_NEAR(PositionOf("Player1").x, -500.0f, 1.0f);
  EXPECT_TRUE(detective->inputEnabled && detective->actionsEnabled && detective->arrestEnabled &&
              detective->punchEnabled);
  EXPECT_NEAR(PositionOf("Siren").x, -560.0f, 1.0f) << "the siren has driven in";
  Seconds(1.5f);
  EXPECT_NEAR(PositionOf("Siren").x, -560.0f, 1.0f) << "and waits";
  Seconds(1.0f);
  EXPECT_NEAR(PositionOf("Siren").x, -560.0f, 1.0f) << "it sounds again and waits a drive's length";
  Seconds(2.0f);
  EXPECT_NEAR(PositionOf("Siren").x, -900.0f, 1.0f) << "then drives out";
  EXPECT_TRUE(intro->sirenLeaving);
  Seconds(5.0f);
  EXPECT_NEAR(PositionOf("Siren").x, -900.0f, 1.0f);
  EXPECT_NEAR(PositionOf("Player1").x, -500.0f, 1.0f) << "an arrived Detective is never moved again";
  EXPECT_EQ(arrivals.size(), 1u);
}

TEST_F(DetectiveIntroTest, ZeroEntryTimeWalksOnTheFirstUpdateAfterTheStart) {
  Build(0.0f);
  EXPECT_FLOAT_EQ(GetSysVar<float>("entryTime"), 0.0f);
  intro->StartEntrance();
  Frame();
  EXPECT_TRUE(intro->walking);
  EXPECT_FLOAT_EQ(GetSysVar<float>("entryTime"), 0.0f);
}

TEST_F(DetectiveIntroTest, WithoutADetectiveTheIntroSwitchesItselfOff) {
  Build(1.0f, false);
  EXPECT_FALSE(intro->IsEnabled());
  intro->StartEntrance();
  Seconds(5.0f);
  EXPECT_TRUE(arrivals.empty());
  EXPECT_FALSE(intro->walking);
}

TEST_F(DetectiveIntroTest, TheSharedEntryTimeNeverOutlivesItsIntro) {
  Build(3.0f);
  EXPECT_FLOAT_EQ(GetSysVar<float>("entryTime"), 3.0f);
  WriteIndex("empty", {});
  Enter("empty");
  EXPECT_FLOAT_EQ(GetSysVar<float>("entryTime"), 0.0f) << "the name reads a zero once the intro is gone";
}

}  // namespace
