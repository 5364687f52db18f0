// Characters: finding their parts and choosing directional animations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/graphics/Sprite.h"
#include "engine/physics/Moveable.h"
#include "game/characters/Character.h"
#include "support/GameTestSupport.h"

namespace {

class Person : public Character {
 public:
  explicit Person(Framework::GameObject* owner) : Character(owner, kGuest, Framework::ComponentId::NPC) {}
  void Deserialize(Framework::XMLSerializer&) override {}
  std::string GetTypeName() override { return "Person"; }
  Framework::GameComponent* Clone(Framework::GameObject* newOwner) override { return new Person(newOwner); }
  void Update() override {}
  void OnStart() override { ++starts; }
  int starts = 0;
};

struct Facing {
  Math::Vec3 direction;
  std::string animation;
  std::string played;  // the sprite's animation afterwards
  float width;         // the sprite's width afterwards
};

TEST(Character, PlayAnimationPicksTheDirectionalVariantAndMirrorsTheRightSide) {
  TestSupport::GameObjects objects;
  Framework::GameObject& object = objects.Add(Math::Vec3(0, 0, 0));
  objects.AttachBodyParts(object, 20.0f);
  Person& person = objects.Attach<Person>(object);
  object.InitializeComponents();
  ASSERT_EQ(person.starts, 1);
  ASSERT_NE(person.sprite, nullptr);
  ASSERT_NE(person.moveable, nullptr);

  // Before any movement a zero direction starts nothing.
  person.PlayAnimation(Math::Vec3(0, 0, 0), "Walk", true);
  EXPECT_EQ(person.sprite->currentAnimSet, "IdleDown");

  const std::vector<Facing> steps = {
      {{1, 1, 0}, "Walk", "WalkUp", 100.0f},      // a diagonal of equal parts is vertical
      {{2, 1, 0}, "Walk", "WalkLeft", -100.0f},   // right: the left art mirrored
      {{0, 0, 0}, "Idle", "IdleLeft", -100.0f},   // stopping keeps facing right
      {{-2, 1, 0}, "Run", "RunLeft", 100.0f},     // left: the width is positive again
      {{-3, 0, 0}, "Run", "RunLeft", 100.0f},     // and stays positive
      {{0, -1, 0}, "Eat", "EatDown", 100.0f},
      {{5, 0, 0}, "Death", "Death", -100.0f},     // no direction in the name, still mirrored
      {{0, 1, 0}, "Death", "Death", -100.0f},
  };
  for (const Facing& step : steps) {
    person.PlayAnimation(step.direction, step.animation, step.animation != "Death");
    EXPECT_EQ(person.sprite->currentAnimSet, step.played) << step.animation;
    EXPECT_FLOAT_EQ(person.sprite->size.x, step.width) << step.played;
  }
  EXPECT_FALSE(person.sprite->loop) << "the loop flag follows the call";
}

TEST(Character, WithoutASpriteItStillRemembersWhereItFaced) {
  TestSupport::GameObjects objects;
  Framework::GameObject& object = objects.Add(Math::Vec3(0, 0, 0));
  Person& person = objects.Attach<Person>(object);
  object.InitializeComponents();
  EXPECT_EQ(person.sprite, nullptr);
  person.PlayAnimation(Math::Vec3(-1, 0, 0), "Walk", true);
  EXPECT_FLOAT_EQ(person.lastDirection.x, -1.0f);
}

}  // namespace
