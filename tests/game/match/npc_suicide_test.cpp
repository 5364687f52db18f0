// The match's opening with the shipped entrance: whatever the level's
// guests, the Detective comes in.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "engine/core/GameObjectFactory.h"
#include "game/guests/NPC.h"
#include "game/match/DetectiveIntro.h"
#include "game/props/User.h"
#include "support/MatchWorld.h"

namespace {

using Framework::GameObject;

// A guest tagged as the levels tag them, with only the given parts.
GameObject& AddBareGuest(TestSupport::MatchWorld& world, bool withNPC) {
  std::shared_ptr<GameObject> object = Framework::GetFactory().CreateEmptyObject(Math::Vec3(), Math::Vec3(1, 1, 1), 0);
  object->SetName("Statue");
  object->SetTag("enemy");
  object->AddComponent(std::make_shared<User>(object.get()));
  if (withNPC) object->AddComponent(std::make_shared<NPC>(object.get()));
  world.Scene().objects.push_back(object.get());
  object->InitializeComponents();
  return *object;
}

TEST(NPCSuicideTest, ALevelWithoutAGuestToForceSaysSoAndLetsTheDetectiveInAtOnce) {
  const std::map<std::string, std::function<void(TestSupport::MatchWorld&)>> levels = {
      {"no guest", [](TestSupport::MatchWorld&) {}},
      {"has no NPC", [](TestSupport::MatchWorld& world) { AddBareGuest(world, false); }},
      {"has no Moveable", [](TestSupport::MatchWorld& world) { AddBareGuest(world, true); }}};
  for (const auto& [fault, build] : levels) {
    TestSupport::MatchWorld world;
    world.Spawn("Detective", {0, 0, 0});
    build(world);
    auto& intro = world.Spawn<DetectiveIntro>("DetectiveStart", {-700, 0, 0});
    ::testing::internal::CaptureStderr();
    world.Frame();
    world.Frame();
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(intro.started) << fault;
    EXPECT_NE(errors.find("Error: "), std::string::npos) << fault;
    EXPECT_NE(errors.find(fault), std::string::npos) << errors;
    EXPECT_EQ(errors.find("Error: ", errors.find("Error: ") + 1), std::string::npos) << "said once: " << errors;
  }

  TestSupport::MatchWorld world;
  NPC& guest = world.Spawn<NPC>("Guest_NPCMale1", {0, 0, 0});
  world.Spawn("DetectiveStart", {-700, 0, 0});
  EXPECT_EQ(guest.currentState, NPC::kForceInteract);
  ::testing::internal::CaptureStderr();
  world.Frame();
  EXPECT_EQ(::testing::internal::GetCapturedStderr().find("Error:"), std::string::npos);
}

}  // namespace
