// The Detective's entrance with the shipped Detective and siren.
#include <gtest/gtest.h>

#include <string>

#include "engine/core/Transform.h"
#include "engine/ui/SysVars.h"
#include "engine/ui/UIStattrak.h"
#include "game/characters/Detective.h"
#include "game/match/DetectiveIntro.h"
#include "game/match/NPCSuicide.h"
#include "support/MatchWorld.h"

using Framework::GetSysVar;

namespace {

class DetectiveIntroTest : public ::testing::Test {
 protected:
  // From (-700, 0) to (-500, 0); the siren drives from (-900, -190) to x -560
  // and back. A tween's last frame may carry it a step past its end.
  void Build(float entryTime, bool withDetective = true) {
    if (withDetective) detective = &world.Spawn<Detective>("Detective", {0, 0, 0});
    siren = &world.Spawn("Siren", {-900, -190, 0});
    intro = &world.Spawn<DetectiveIntro>("DetectiveStart", {-700, 0, 0});
    // No guest dies here to open the match: each test starts the entrance itself.
    intro->GetOwner()->GetComponent<NPCSuicide>()->SetEnabled(false);
    intro->entryTime = intro->sirenEntryTime = entryTime;
    intro->walkTime = intro->sirenWalkTime = intro->sirenExitTime = 1.0f;
    intro->sirenStayTime = 2.0f;
    intro->endPosition = {-500, 0, 0};
    intro->sirenEnterPosition = {-560, -190, 0};
    intro->sirenExitPosition = {-900, -190, 0};
    intro->detectiveTransition = 0;
    intro->Start();
    intro->arrivalCallback = [this](bool arrived) { arrivals += arrived ? 1 : 100; };
  }
  float DetectiveX() { return detective->GetOwnerTransform()->position.x; }
  float SirenX() { return siren->GetTransform().position.x; }

  TestSupport::MatchWorld world{3};
  Detective* detective = nullptr;
  Framework::GameObject* siren = nullptr;
  DetectiveIntro* intro = nullptr;
  int arrivals = 0;
};

TEST_F(DetectiveIntroTest, CountdownThenWalkThenArrivalWithTheSirenInItsOrder) {
  Build(2.0f);
  world.Run(3.0f);  // nobody has died yet: the Detective waits, locked, at the door
  EXPECT_FALSE(detective->inputEnabled || detective->actionsEnabled || detective->arrestEnabled);
  EXPECT_FLOAT_EQ(DetectiveX(), -700.0f);
  intro->StartEntrance();
  world.Run(1.0f);
  EXPECT_NEAR(std::stof(Framework::UIStattrak::FormatValue("entryTime")), 1.0f, 0.05f) << "the HUD counts down";
  world.Run(1.05f);
  EXPECT_TRUE(intro->walking);
  EXPECT_FLOAT_EQ(GetSysVar<float>("entryTime"), 0.0f);
  EXPECT_EQ(arrivals, 0);
  world.Run(1.05f);  // the walk, and the siren's drive in
  EXPECT_EQ(arrivals, 1);
  EXPECT_NEAR(DetectiveX(), -500.0f, 4.0f);
  EXPECT_TRUE(detective->inputEnabled && detective->actionsEnabled && detective->arrestEnabled);
  EXPECT_NEAR(SirenX(), -560.0f, 15.0f);
  world.Run(2.5f);
  EXPECT_NEAR(SirenX(), -560.0f, 15.0f) << "it sounds, waits, sounds again and waits a drive's length";
  world.Run(2.0f);
  EXPECT_NEAR(SirenX(), -900.0f, 15.0f) << "then drives out";
  world.Run(5.0f);
  EXPECT_NEAR(SirenX(), -900.0f, 15.0f);
  EXPECT_NEAR(DetectiveX(), -500.0f, 4.0f) << "an arrived Detective is never moved again";
  EXPECT_EQ(arrivals, 1);
}

TEST_F(DetectiveIntroTest, ZeroEntryTimeWalksAtOnceAndNoDetectiveSwitchesTheIntroOff) {
  Build(0.0f);
  intro->StartEntrance();
  world.Frame();
  EXPECT_TRUE(intro->walking);
  EXPECT_FLOAT_EQ(GetSysVar<float>("entryTime"), 0.0f);
  world.Scene().objects.clear();  // the Detective leaves the scene
  Build(1.0f, false);
  EXPECT_FALSE(intro->IsEnabled());
  intro->StartEntrance();
  world.Run(5.0f);
  EXPECT_EQ(arrivals, 1) << "only the first intro's Detective arrived";
}

TEST(DetectiveIntroLifetime, TheSharedEntryTimeNeverOutlivesItsIntro) {
  {
    DetectiveIntro intro(nullptr);
    intro.entryTime = 3.0f;
    EXPECT_FLOAT_EQ(GetSysVar<float>("entryTime"), 3.0f);
  }
  EXPECT_FLOAT_EQ(GetSysVar<float>("entryTime"), 0.0f) << "the name reads a zero once the intro is gone";
}

}  // namespace
