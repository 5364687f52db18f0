// The prop machinery with real guests: reach, timed uses and their records,
// full props, the users a prop accepts, and the nearest-prop query.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "engine/core/Engine.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/XMLSerializer.h"
#include "game/GameRandom.h"
#include "game/guests/NPC.h"
#include "game/guests/states/FSM_BORED.h"
#include "game/props/InteractionManager.h"
#include "game/props/User.h"
#include "support/CoreFileSupport.h"
#include "support/CrowdWorld.h"

namespace {

using PropTest = TestSupport::CrowdWorld;
using TestSupport::TestProp;

TEST_F(PropTest, ReachEndsExactlyAtTheUsersRangeFromTheNearestEdge) {
  TestProp& prop = AddProp(Math::Vec3(0, 0, 0));
  prop.maxUsers = 10;
  // The box's edge is at x = 30: a guest at 130 is exactly 100 away, and so
  // is one 60 right and 80 up of the corner (30, 30).
  EXPECT_EQ(prop.Use(AddGuest(Math::Vec3(130, 0, 0)).user).status, UseResult::kInUse);
  EXPECT_EQ(prop.Use(AddGuest(Math::Vec3(130.01f, 0, 0)).user).status, UseResult::kOutOfReach);
  EXPECT_EQ(prop.Use(AddGuest(Math::Vec3(90, 110, 0)).user).status, UseResult::kInUse);
  // The Killer's own range counts; the Detective reaches 100 whatever it holds.
  NPC& killer = AddGuest(Math::Vec3(0, 220, 0));
  killer.kind = Character::kKiller;
  killer.interactionRange = 190.0f;
  EXPECT_EQ(prop.Use(killer.user).status, UseResult::kInUse);
  NPC& detective = AddGuest(Math::Vec3(-160, 0, 0));
  detective.kind = Character::kDetective;
  detective.interactionRange = 500.0f;
  EXPECT_EQ(prop.Use(detective.user).status, UseResult::kOutOfReach);
}

TEST_F(PropTest, AUseRunsItsDrawnTimeAndEndsOnTheFirstUseAfterIt) {
  TestProp& prop = AddProp(Math::Vec3(0, 0, 0));
  User* guest = AddGuest(Math::Vec3(60, 0, 0)).user;
  const UseResult first = prop.Use(guest);
  ASSERT_EQ(first.status, UseResult::kInUse);
  EXPECT_EQ(first.kind, "eat");
  EXPECT_TRUE(first.total >= 3.0f && first.total <= 5.0f) << first.total;
  EXPECT_EQ(first.remaining, first.total);
  EXPECT_EQ(prop.GetUseRecord(guest).time, kFrame) << "the record starts at the frame's time";
  int uses = 1;
  for (UseResult result = first; result.status == UseResult::kInUse && uses < 400; ++uses) {
    EXPECT_EQ(prop.IsUseFinished(guest), result.remaining <= 0.0f);
    result = prop.Use(guest);
  }
  // One frame at the start, one per running use, and one more to see it finished.
  EXPECT_EQ(uses, static_cast<int>(std::ceil(first.total / kFrame - 1e-3f)) + 1);

  // A user who walks away while holding a use hears that it is over.
  guest->GetOwner()->GetTransform().position = Math::Vec3(500, 0, 0);
  EXPECT_EQ(prop.Use(guest).status, UseResult::kFinished);
  prop.RemoveUser(guest);
  EXPECT_EQ(prop.Use(guest).status, UseResult::kOutOfReach);
}

TEST_F(PropTest, AFullPropTurnsNewcomersAwayUntilItsUserIsGone) {
  TestProp& prop = AddProp(Math::Vec3(0, 0, 0));
  NPC& first = AddGuest(Math::Vec3(60, 0, 0));
  User* second = AddGuest(Math::Vec3(-60, 0, 0)).user;
  prop.Use(first.user);
  prop.Update();
  EXPECT_FALSE(prop.available);
  const UseResult turnedAway = prop.Use(second);
  EXPECT_EQ(turnedAway.status, UseResult::kInUse);
  EXPECT_EQ(turnedAway.kind, "full");
  EXPECT_FALSE(prop.HasUser(second));
  Framework::GetFactory().QueueDestroy(first.GetOwner());
  Frame();  // destroyed at the end of the frame
  prop.Update();
  EXPECT_TRUE(prop.available) << "the record of a destroyed user no longer counts";
  EXPECT_EQ(prop.Use(second).kind, "eat");
  // A guest whose chosen prop is destroyed on its way gives up on it.
  TestProp& spare = AddProp(Math::Vec3(-400, 200, 0));
  NPC& walker = AddGuest(Math::Vec3(-400, 0, 0));
  walker.ChangeState(NPC::kBored);
  Frame();
  ASSERT_EQ(static_cast<FSM_BORED*>(walker.StateAt(NPC::kBored))->targetProp, &spare);
  Framework::GetFactory().QueueDestroy(spare.GetOwner());
  Frame();  // destroyed at the end of this frame
  Frame();
  EXPECT_EQ(walker.currentState, NPC::kIdle);
}

TEST_F(PropTest, NearestUsablePropMeasuresToTheBoxAndKeepsTheEarlierOfATie) {
  InteractionManager& registry = GetInteractionManager();
  User* guest = AddGuest(Math::Vec3(0, 0, 0)).user;
  EXPECT_EQ(registry.FindNearestInteractable(guest).prop, nullptr);
  EXPECT_EQ(registry.FindNearestInteractable(nullptr).prop, nullptr);
  TestProp& right = AddProp(Math::Vec3(200, 0, 0));
  TestProp& left = AddProp(Math::Vec3(-200, 0, 0));
  const NearestProp tie = registry.FindNearestInteractable(guest);
  EXPECT_EQ(tie.prop, *registry.interactables.begin()) << "equal distances keep the earlier prop";
  EXPECT_FLOAT_EQ(tie.distance, 170.0f);
  left.GetOwner()->GetTransform().position = Math::Vec3(-199, 0, 0);
  EXPECT_EQ(registry.FindNearestInteractable(guest).prop, &left);
  right.GetOwner()->GetTransform().position = Math::Vec3(0, -130, 0);
  EXPECT_EQ(registry.FindNearestInteractable(guest).prop, &right);
  EXPECT_FLOAT_EQ(registry.FindNearestInteractable(guest).distance, 100.0f);
  // A prop asking for a name the user lacks refuses it and is never its nearest.
  right.requiredNames = {"detective"};
  EXPECT_EQ(registry.FindNearestInteractable(guest).prop, &left);
  EXPECT_EQ(right.Use(guest).status, UseResult::kRefused);
  EXPECT_FALSE(right.HasUser(guest));
}

TEST(UserComponent, NamesAreWrittenAsNumberedEntriesAndReadBackWhateverTheirNames) {
  TestSupport::TempFolder temp;
  User written(nullptr), read(nullptr);
  written.names = {"interact", "eat"};
  const std::string path = (temp.Path() / "user.xml").string();
  TestSupport::SaveComponent(path, "User", written);
  EXPECT_NE(TestSupport::ReadFile(path).find("<p0 string=\"eat\" />\n    <p1 string=\"interact\""),
            std::string::npos);
  temp.Write("user.xml", "<User><first string=\"interact\"/><x string=\"dance\"/><empty/></User>");
  Framework::XMLSerializer reader;
  ASSERT_TRUE(reader.Open(path, Framework::XMLSerializer::kRead));
  read.Deserialize(reader);
  EXPECT_EQ(read.names, (std::set<std::string>{"interact", "dance"}));
}

TEST(GameRandom, AnEmptyOrReversedRangeGivesItsMinimum) {
  EXPECT_EQ(RandomBetween(3.0f, 3.0f), 3.0f);
  EXPECT_EQ(RandomBetween(5.0f, 2.0f), 5.0f);
}

}  // namespace
