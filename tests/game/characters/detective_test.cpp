// The Detective played through player 1's real bindings.
#include <gtest/gtest.h>

#include "engine/graphics/EfxManager.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/ParticleEmitter.h"
#include "engine/graphics/Sprite.h"
#include "engine/physics/Moveable.h"
#include "game/characters/Detective.h"
#include "game/characters/Killer.h"
#include "engine/core/GameObjectFactory.h"
#include "game/guests/NPC.h"
#include "game/match/DetectiveIntro.h"
#include "game/match/Roles.h"
#include "game/props/Poisonable.h"
#include "game/props/User.h"
#include "support/PlayersWorld.h"

namespace {

using Hit = ReloadMeter::Hit;

class DetectiveTest : public TestSupport::PlayersWorld {
 protected:
  void SetUp() override {
    PlayersWorld::SetUp();
    Detective::facing = Math::Vec3(0, 1, 0);
    // The meter's parts are in the scene before the Detective looks for them.
    for (const char* part : {"ReloadFrame", "ReloadFill_Red", "ReloadFill_Yellow", "ReloadFill_Green", "ReloadArrow"})
      Spawn(part, {50000, 0, 0});
    detective = &Spawn<Detective>("Detective", {0, 0, 0});
  }
  float MeterX() { return detective->meterDisplay.frame->GetTransform().position.x; }
  // Starts the meter on a body and presses when the arrow first reads `wanted`.
  void PressOn(Hit wanted) {
    Tap("E");
    ASSERT_TRUE(detective->meterActive);
    for (int i = 0; i < 120 && detective->meter.JudgeArrow() != wanted; ++i) Step();
    Tap("E");
  }

  TestSupport::ScopedRole role{detectiveController, 1};
  Detective* detective = nullptr;
};

TEST_F(DetectiveTest, PerfectAndGoodHitsWorkTheirTimesThenTheBodyIsGone) {
  NPC& body = Guest({0, 90, 0}, false);
  body.Die(NPC::kKilled);
  Guest({0, -100, 0}, false).Die(NPC::kKilled);  // exactly at reach
  PressOn(Hit::Perfect);
  EXPECT_FLOAT_EQ(MeterX(), 5000.0f) << "a pressed meter is put 5000 away";
  EXPECT_TRUE(detective->emitter->enabled && !detective->inputEnabled);
  Run(0.9f);
  EXPECT_FALSE(body.bodyRemoved);
  Run(0.2f);
  EXPECT_TRUE(body.bodyRemoved && !body.enabled && !body.sprite->enabled);
  EXPECT_TRUE(detective->inputEnabled && !detective->emitter->enabled);
  PressOn(Hit::Good);
  EXPECT_FLOAT_EQ(detective->workTimer.total, 3.0f);
}

TEST_F(DetectiveTest, AMissOnlyClosesTheMeterAndAnUntouchedSweepIsPutFarAway) {
  Guest({0, 90, 0}, false).Die(NPC::kKilled);
  PressOn(Hit::Miss);
  EXPECT_FALSE(detective->workTimer.running || detective->meterActive);
  Tap("E");
  Run(1.2f);
  EXPECT_FALSE(detective->meterActive);
  EXPECT_FLOAT_EQ(MeterX(), 50000.0f) << "50000 away from where it was shown";
}

TEST_F(DetectiveTest, UsingAPropLeavesNoRecordAndRunningNeedsAMove) {
  auto& dish = Spawn<Poisonable>("Food_Cake", {0, 70, 0});
  Tap("E");
  EXPECT_FALSE(dish.HasUser(detective->GetOwner()->GetComponent<User>()));
  Hold("LSHIFT");
  Run(0.1f);
  EXPECT_FLOAT_EQ(detective->moveable->mSpeed, Detective::baseSpeed);
  Hold("S");
  Run(0.1f);
  EXPECT_FLOAT_EQ(detective->moveable->mSpeed, Detective::baseSpeed * 1.5f);
}

TEST_F(DetectiveTest, TheMatchsEndMidRunStopsTheStrideAndAtOnceTheRunSpeedThatTheOutroReads) {
  for (const char* key : {"LSHIFT", "S"}) Hold(key);
  Run(0.1f);
  detective->EndMatch();
  EXPECT_FLOAT_EQ(detective->moveable->mSpeed, Detective::baseSpeed);
  Step();
  EXPECT_EQ(detective->sprite->currentAnimSet, "IdleDown");
}

TEST_F(DetectiveTest, AnArrestPlaysSpotlightHandcuffsAndArrestInOrder) {
  Killer& killer = Spawn<Killer>("Killer", {0, 60, 0});
  Tap("Q");
  EXPECT_FALSE(killer.inputEnabled || detective->inputEnabled);
  EXPECT_FLOAT_EQ(Framework::GetGraphicsSystem().spotlightRadius.end, 60.0f);
  Run(2.9f);
  EXPECT_TRUE(killer.alive) << "the spotlight holds the queue for 3 s";
  for (int i = 0; i < 30 && killer.alive; ++i) Step();
  EXPECT_NE(detective->sprite->currentAnimSet, "ArrestUp");
  Run(0.05f);
  EXPECT_EQ(detective->sprite->currentAnimSet, "ArrestUp");
}

TEST_F(DetectiveTest, APunchCostsAStrikeAndAFaintAndTheDetectiveGetsUpOnlyWhileStrikesLast) {
  for (const bool exhausted : {false, true}) {
    Killer& behind = Spawn<Killer>("Killer", {0, -40, 0});
    NPC& guest = Guest({0, 50, 0}, false);
    int strikes = 0;
    detective->addStrikes = [&](int count) { strikes += count; };
    detective->strikesExhausted = [exhausted] { return exhausted; };
    Tap("Q");
    EXPECT_TRUE(behind.alive) << "no arrest from behind";
    Run(3.5f);
    EXPECT_EQ(strikes, 1);
    EXPECT_FLOAT_EQ(detective->faintTime, 4.0f);
    Run(5.0f);
    EXPECT_EQ(detective->inputEnabled, !exhausted);
    EXPECT_FLOAT_EQ(detective->faintTime, exhausted ? 4.0f : 0.0f);
    for (Framework::GameObject* away : {guest.GetOwner(), behind.GetOwner()}) away->GetTransform().position.x = 5000.0f;
  }
}

TEST_F(DetectiveTest, APunchPutsASweepAwayAndAfterTheMatchNoRecoveryOrWorkGivesTheControlsBack) {
  Guest({0, 90, 0}, false).Die(NPC::kKilled);
  Guest({0, 50, 0}, false);
  Tap("E");
  Tap("Q");
  EXPECT_TRUE(!detective->meterActive && MeterX() == 5000.0f) << "put away, not left frozen on the screen";
  detective->EndMatch();
  detective->workTimer.Start(9.0f);
  Run(9.5f);  // the faint's recovery runs out, then the work
  EXPECT_FALSE(detective->inputEnabled);
}

TEST_F(DetectiveTest, LyingNumbersInThePlayersAndEntranceDataKeepTheirDefaultsNamingFileAndField) {
  TestSupport::TempFolder folder;
  const std::string file = folder.Write("Liar.xml",
      "<A><Name string=\"Liar\"/><Detective><interaction_range float=\"inf\"/><goodSize float=\"-5\"/></Detective>"
      "<Killer><interaction_range float=\"nan\"/></Killer><DetectiveIntro><entryTime float=\"nan\"/>"
      "<walkTime float=\"inf\"/><endPosition Vec3=\"nan,0,0\"/></DetectiveIntro></A>").string();
  testing::internal::CaptureStderr();
  const auto liar = Framework::GetFactory().CreateFromFile(file);
  const std::string errors = testing::internal::GetCapturedStderr();
  for (const char* lie : {"interaction_range = inf", "goodSize = -5", "interaction_range = nan", "entryTime = nan",
                          "walkTime = inf", "endPosition = nan"})
    EXPECT_NE(errors.find("Error: " + file + ": " + lie), std::string::npos) << errors;
  EXPECT_EQ(liar->GetComponent<Detective>()->interactionRange + liar->GetComponent<Killer>()->interactionRange, 200.0f);
  const DetectiveIntro& intro = *liar->GetComponent<DetectiveIntro>();
  EXPECT_TRUE(intro.entryTime == 0.0f && intro.walkTime == 3.0f && intro.endPosition.x == 0.0f);
}

TEST_F(DetectiveTest, TheFaintStarsCircleTheHeadWhicheverSideTheBlowCameFrom) {
  Framework::EfxManager& efx = Framework::EfxManager::Instance();
  Spawn("faint_efx", {50000, 0, 0});
  for (const float blowSide : {-1.0f, 1.0f}) {
    detective->Faint(1.0f, {blowSide * 100.0f, 0, 0});
    for (const auto& stars : efx.Pools().at("faint_efx")) {
      if (!stars->playing) continue;
      EXPECT_LT(stars->offset.x * blowSide, 0.0f) << "the head falls away from the blow";
    }
    efx.Stop("faint_efx");
  }
}

}  // namespace
