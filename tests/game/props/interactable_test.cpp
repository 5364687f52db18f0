// The prop machinery: reach, timed uses and their records, full props, the
// users a prop accepts, and the registry's nearest-prop query.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "engine/core/Engine.h"
#include "engine/core/XMLSerializer.h"
#include "engine/physics/AABB.h"
#include "engine/platform/Platform.h"
#include "game/characters/Character.h"
#include "game/props/InteractionManager.h"
#include "game/props/User.h"
#include "support/CoreFileSupport.h"
#include "support/GameTestSupport.h"
#include "support/TestSupport.h"

namespace {

using TestSupport::TestProp;

class Person : public Character {
 public:
  Person(Framework::GameObject* owner, int personKind = kGuest)
      : Character(owner, personKind, Framework::ComponentId::NPC + personKind) {}
  void Deserialize(Framework::XMLSerializer&) override {}
  std::string GetTypeName() override { return "Person"; }
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override { return new Person(newOwner, kind); }
  void Update() override {}
};

class PropTest : public testing::Test {
 protected:
  void SetUp() override {
    Platform::SeedRandom(7);
    Framework::GetEngine().dt = 0.5f;
    GetInteractionManager().Clear();
  }
  void TearDown() override {
    Framework::GetEngine().dt = 0.0f;
    GetInteractionManager().Clear();
  }
  // A prop with a 100 by 100 box at position.
  TestProp& AddProp(const Math::Vec3& position) {
    Framework::GameObject& object = objects.Add(position, "interactable");
    objects.Attach<Framework::AABB>(object).mRadiusX = 50.0f;
    object.GetComponent<Framework::AABB>()->mRadiusY = 50.0f;
    TestProp& prop = objects.Attach<TestProp>(object);
    object.InitializeComponents();
    return prop;
  }
  // A person of kind with a user holding names, and a 10 by 10 box.
  User& AddPerson(const Math::Vec3& position, int kind = Character::kGuest,
                  const std::set<std::string>& names = {"interact"}) {
    Framework::GameObject& object = objects.Add(position);
    objects.Attach<Framework::AABB>(object).mRadiusX = 5.0f;
    object.GetComponent<Framework::AABB>()->mRadiusY = 5.0f;
    objects.Attach<Person>(object, kind);
    User& user = objects.AttachUser(object, names);
    object.InitializeComponents();
    return user;
  }
  static Character& PersonOf(User& user) { return *user.GetComponent<Character>(); }

  TestSupport::GameObjects objects;
};

TEST_F(PropTest, ReachEndsExactlyAtTheUsersRangeFromTheNearestEdge) {
  TestProp& prop = AddProp(Math::Vec3(0, 0, 0));
  // The box's edge is at x = 50: a guest at 150 is exactly 100 away.
  EXPECT_EQ(prop.Use(&AddPerson(Math::Vec3(150, 0, 0))).status, UseResult::kInUse);
  EXPECT_EQ(prop.Use(&AddPerson(Math::Vec3(150.01f, 0, 0))).status, UseResult::kOutOfReach);
  // Diagonally off the corner (50, 50): 60 right and 80 up is 100 away.
  prop.maxUsers = 10;
  EXPECT_EQ(prop.Use(&AddPerson(Math::Vec3(110, 130, 0))).status, UseResult::kInUse);

  // The Killer's own range counts; the Detective reaches 100 whatever it holds.
  User& killer = AddPerson(Math::Vec3(0, 240, 0), Character::kKiller);
  PersonOf(killer).interactionRange = 190.0f;
  EXPECT_EQ(prop.Use(&killer).status, UseResult::kInUse);
  User& detective = AddPerson(Math::Vec3(-240, 0, 0), Character::kDetective);
  PersonOf(detective).interactionRange = 500.0f;
  EXPECT_EQ(prop.Use(&detective).status, UseResult::kOutOfReach);
}

TEST_F(PropTest, AUseRunsItsDrawnTimeAndEndsOnTheFirstUseAfterIt) {
  TestProp& prop = AddProp(Math::Vec3(0, 0, 0));
  User& guest = AddPerson(Math::Vec3(60, 0, 0));
  const UseResult first = prop.Use(&guest);
  ASSERT_EQ(first.status, UseResult::kInUse);
  EXPECT_EQ(first.kind, "eat");
  EXPECT_GE(first.total, 3.0f);
  EXPECT_LE(first.total, 5.0f);
  EXPECT_EQ(first.remaining, first.total);
  EXPECT_EQ(prop.GetUseRecord(&guest).time, 0.5f) << "the record starts at the frame's time";

  int steps = 0;
  UseResult result = first;
  while (result.status == UseResult::kInUse && steps < 100) {
    EXPECT_EQ(prop.IsUseFinished(&guest), result.remaining <= 0.0f);
    result = prop.Use(&guest);
    ++steps;
  }
  EXPECT_EQ(result.status, UseResult::kFinished);
  EXPECT_EQ(result.kind, "eat");
  // 0.5 at the start, then 0.5 per running use, and one more call to see it finished.
  EXPECT_EQ(steps, static_cast<int>(std::ceil((first.total - 0.5f) / 0.5f)) + 1);

  // A user who walks away while holding a use hears that it is over.
  guest.GetOwner()->GetTransform().position = Math::Vec3(900, 0, 0);
  EXPECT_EQ(prop.Use(&guest).status, UseResult::kFinished);
  prop.RemoveUser(&guest);
  EXPECT_EQ(prop.Use(&guest).status, UseResult::kOutOfReach);
}

TEST_F(PropTest, AFullPropTurnsNewcomersAwayUntilItsUserDiesOrIsGone) {
  TestProp& prop = AddProp(Math::Vec3(0, 0, 0));
  User& first = AddPerson(Math::Vec3(60, 0, 0));
  User& second = AddPerson(Math::Vec3(-60, 0, 0));
  User& third = AddPerson(Math::Vec3(0, 60, 0));
  prop.Use(&first);
  prop.Update();
  EXPECT_FALSE(prop.available);
  const UseResult turnedAway = prop.Use(&second);
  EXPECT_EQ(turnedAway.status, UseResult::kInUse);
  EXPECT_EQ(turnedAway.kind, "full");
  EXPECT_FALSE(prop.HasUser(&second));

  // A dead guest holding a record no longer blocks the dish.
  PersonOf(first).alive = false;
  prop.Update();
  EXPECT_TRUE(prop.available);
  EXPECT_EQ(prop.Use(&second).kind, "eat");
  EXPECT_TRUE(prop.HasUser(&second));

  // Nor does a user whose object was destroyed.
  objects.Destroy(*second.GetOwner());
  EXPECT_EQ(prop.CountActiveUsers(), 0);
  EXPECT_EQ(prop.Use(&third).kind, "eat");
}

TEST_F(PropTest, RequiredNamesRefuseTheUserAndHideThePropFromIt) {
  TestProp& prop = AddProp(Math::Vec3(0, 0, 0));
  User& nameless = AddPerson(Math::Vec3(60, 0, 0), Character::kGuest, {});
  EXPECT_EQ(prop.Use(&nameless).status, UseResult::kInUse) << "no required names: anyone may use it";
  prop.RemoveUser(&nameless);

  prop.requiredNames = {"interact"};
  const UseResult refused = prop.Use(&nameless);
  EXPECT_EQ(refused.status, UseResult::kRefused);
  EXPECT_TRUE(refused.kind.empty());
  EXPECT_FALSE(prop.HasUser(&nameless));
  const NearestProp none = GetInteractionManager().FindNearestInteractable(&nameless);
  EXPECT_EQ(none.prop, nullptr);
  EXPECT_EQ(none.distance, -1.0f);
  EXPECT_EQ(prop.Use(&AddPerson(Math::Vec3(60, 0, 0))).status, UseResult::kInUse);
}

TEST_F(PropTest, NearestPropMeasuresToTheBoxAndKeepsTheEarlierOfATie) {
  InteractionManager& registry = GetInteractionManager();
  User& guest = AddPerson(Math::Vec3(0, 0, 0));
  EXPECT_EQ(registry.FindNearestInteractable(&guest).prop, nullptr);
  EXPECT_EQ(registry.FindNearestInteractable(&guest).distance, -1.0f);
  EXPECT_EQ(registry.FindNearestInteractable(nullptr).prop, nullptr);

  TestProp& right = AddProp(Math::Vec3(200, 0, 0));
  TestProp& left = AddProp(Math::Vec3(-200, 0, 0));
  const NearestProp tie = registry.FindNearestInteractable(&guest);
  EXPECT_EQ(tie.prop, *registry.interactables.begin()) << "equal distances keep the earlier prop";
  EXPECT_FLOAT_EQ(tie.distance, 150.0f);

  left.GetOwner()->GetTransform().position = Math::Vec3(-199, 0, 0);
  EXPECT_EQ(registry.FindNearestInteractable(&guest).prop, &left);
  right.GetOwner()->GetTransform().position = Math::Vec3(0, -150, 0);
  EXPECT_EQ(registry.FindNearestInteractable(&guest).prop, &right);
  EXPECT_FLOAT_EQ(registry.FindNearestInteractable(&guest).distance, 100.0f);

  objects.Destroy(*right.GetOwner());
  EXPECT_EQ(registry.interactables.size(), 1u) << "a prop leaves the registry when it stops";
}

TEST(UserComponent, NamesAreWrittenAsNumberedEntriesAndReadBackWhateverTheirNames) {
  TestSupport::TempFolder temp;
  User written(nullptr);
  written.names = {"interact", "eat"};
  const std::string path = (temp.Path() / "user.xml").string();
  TestSupport::SaveComponent(path, "User", written);
  const std::string text = TestSupport::ReadFile(path);
  EXPECT_NE(text.find("<p0 string=\"eat\""), std::string::npos) << text;
  EXPECT_NE(text.find("<p1 string=\"interact\""), std::string::npos) << text;

  temp.Write("odd.xml", "<User><first string=\"interact\"/><x string=\"dance\"/><empty/></User>");
  for (const std::string& file : {path, (temp.Path() / "odd.xml").string()}) {
    Framework::XMLSerializer reader;
    ASSERT_TRUE(reader.Open(file, Framework::XMLSerializer::kRead));
    User read(nullptr);
    read.Deserialize(reader);
    EXPECT_TRUE(read.Holds("interact")) << file;
    EXPECT_EQ(read.names.size(), 2u) << file;
  }
}

}  // namespace
