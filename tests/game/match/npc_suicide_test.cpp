// Whatever the level's guests, the shipped entrance lets the Detective in.
#include <gtest/gtest.h>

#include "engine/core/GameObjectFactory.h"
#include "game/match/DetectiveIntro.h"
#include "support/MatchWorld.h"

TEST(NPCSuicideTest, ALevelWithoutAGuestToForceSaysSoAndLetsTheDetectiveInAtOnce) {
  TestSupport::TempFolder folder;
  const auto statue = folder.Write("Statue.xml", "<Archetype><Tag string=\"enemy\"/><User/><NPC/></Archetype>");
  for (const std::string fault : {"has no guest", "has no NPC", "has no Moveable"}) {
    TestSupport::MatchWorld world;
    world.Spawn("Detective", {0, 0, 0});
    if (fault == "has no NPC") world.Spawn("Siren", {0, 0, 0}).SetTag("enemy");
    const auto guest = fault == "has no Moveable" ? Framework::GetFactory().CreateFromFile(statue.string()) : nullptr;
    if (guest) world.Scene().objects.push_back(guest.get()), guest->InitializeComponents();
    auto& intro = world.Spawn<DetectiveIntro>("DetectiveStart", {-700, 0, 0});
    ::testing::internal::CaptureStderr();
    world.Run(0.1f);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(intro.started && errors.find(fault) != std::string::npos) << errors;
    EXPECT_EQ(errors.find("Error: "), errors.rfind("Error: ")) << "said once";
  }
}
