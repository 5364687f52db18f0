// The crowd driven through the real factory, physics, effects and audio:
// a two-minute party with its invariants, and the guest rules that can hide
// a lasting fault (a frozen guest, a miscounted panic, a locked Detective).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <vector>

#include "engine/audio/AudioManager.h"
#include "engine/core/SceneManager.h"
#include "engine/graphics/EfxManager.h"
#include "engine/graphics/ListFiles.h"
#include "engine/graphics/Sprite.h"
#include "engine/physics/Body.h"
#include "engine/physics/MapperFF.h"
#include "engine/physics/Moveable.h"
#include "engine/platform/Platform.h"
#include "game/GameSceneSteps.h"
#include "game/guests/EntranceStarter.h"
#include "game/guests/NPC.h"
#include "game/guests/NPCManager.h"
#include "game/guests/states/FSM_BORED.h"
#include "game/guests/states/FSM_PANIC.h"
#include "game/props/Explodable.h"
#include "game/props/InteractionManager.h"
#include "support/CrowdWorld.h"

namespace {

using Framework::GameObject;
using CrowdTest = TestSupport::CrowdWorld;
using TestSupport::TestProp;

class Entrance : public Framework::GameComponent, public EntranceStarter {
 public:
  explicit Entrance(GameObject* owner) : GameComponent(owner) {}
  void Deserialize(Framework::XMLSerializer&) override {}
  std::string GetTypeName() override { return "Entrance"; }
  GameComponent* Clone(GameObject* newOwner) override { return new Entrance(newOwner); }
  void StartEntrance() override { ++starts; }
  int starts = 0;
};

bool Finite(const Math::Vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

std::string Shown(const NPC& guest) {  // the bubble's animation, or the mark's name
  const auto shown = guest.emote.lock();
  if (!shown || !shown->playing || !shown->Follows(guest.GetOwner())) return "none";
  return shown->name == "Emote" ? shown->sprite->currentAnimSet : shown->name;
}

TEST_F(CrowdTest, TwoMinutesOfPartyKeepEveryGuestSoundAndEveryCountRight) {
  std::vector<NPC*> guests;
  int sources = 0;
  const char* looks[] = {"NPCMale1", "NPCMale2", "NPCFemale1"};
  for (int i = 0; i < 40; ++i) {
    guests.push_back(&AddGuest(WalkablePlace(), looks[i % 3]));
    guests.back()->AddPanicSource = [&sources](int count) { sources += count; };
  }
  std::vector<TestProp*> props;
  for (int i = 0; i < 6; ++i) props.push_back(&AddProp(WalkablePlace()));
  props[0]->Sabotage();
  props[1]->Sabotage();

  std::map<std::string, std::set<std::string>> animations;  // per look, from the shipped texture list
  for (const auto& entry : Framework::ReadTextureList("Resources/texture.xml")) {
    for (const auto& record : entry.animations) animations[entry.name].insert(record.name);
  }
  std::map<NPC*, int> poisonedAt;  // frame of the POISONED entry, while it lasts
  int deaths = 0, panics = 0, poisonDeaths = 0;
  for (int frame = 0; frame < 120 * 60; ++frame) {
    Frame();
    int entered = 0;
    deaths = 0;
    for (NPC* guest : guests) {
      const Math::Vec3& at = guest->GetOwnerTransform()->position;
      ASSERT_TRUE(Finite(at) && Finite(guest->body->velocity)) << "frame " << frame;
      ASSERT_TRUE(!guest->alive || GetMapperFF().IsWalkable(at.x, at.y)) << at.x << "," << at.y;
      // A name the look lacks would show another animation of it instead.
      ASSERT_EQ(animations[guest->sprite->textureID].count(guest->sprite->currentAnimSet), 1u)
          << guest->sprite->textureID << " " << guest->sprite->currentAnimSet << ", frame " << frame;
      deaths += guest->alive ? 0 : 1;
      entered += static_cast<FSM_PANIC*>(guest->StateAt(NPC::kPanic))->countedAsSource ? 1 : 0;
      const bool poisoned = guest->currentState == NPC::kPoisoned && guest->StateAt(NPC::kPoisoned)->entered;
      if (poisoned && guest->alive && !poisonedAt.count(guest)) {
        EXPECT_EQ(guest->sprite->colour, Math::Vec4(0, 1, 0, 1)) << "a poisoned guest turns green";
        poisonedAt[guest] = frame;
      } else if (poisonedAt.count(guest) && !guest->alive) {
        EXPECT_NEAR((frame - poisonedAt[guest]) * kFrame, 3.5f, 1.5f + 2 * kFrame) << "dies 2 to 5 s later";
        ++poisonDeaths;
      }
      if (!guest->alive) poisonedAt.erase(guest);
      ASSERT_TRUE(!poisonedAt.count(guest) || poisoned) << "no scare cures the poison";
    }
    for (TestProp* prop : props) ASSERT_LE(prop->CountActiveUsers(), prop->maxUsers);
    ASSERT_EQ(sources, entered) << "frame " << frame;
    ASSERT_EQ(GetNPCManager().Kills, deaths);
    panics = std::max(panics, entered);
  }
  EXPECT_GE(poisonDeaths, 2) << "the two sabotaged props poison their next users";
  EXPECT_GT(panics, 0) << "the bodies scare passers-by";
}

TEST_F(CrowdTest, ABodyScaresOnePasserByPerFrameNearestFirstAndNeverTwice) {
  NPC& body = AddGuest(Math::Vec3(0, 0, 0));
  NPC& above = AddGuest(Math::Vec3(0, 100, 0));
  NPC& right = AddGuest(Math::Vec3(100, 0, 0));
  NPC& farther = AddGuest(Math::Vec3(-150, 0, 0));
  NPC& away = AddGuest(Math::Vec3(0, -200, 0));
  // Of two at the same distance the earlier in the crowd's order goes first.
  NPC* first = GetNPCManager().FindNearestNPC(body.GetOwner());
  ASSERT_EQ(first, std::min(&above, &right));
  body.Die(NPC::kKilled);
  const std::vector<NPC*> order = {first, first == &above ? &right : &above, &farther};
  for (NPC* next : order) {
    body.Update();
    EXPECT_EQ(next->currentState, NPC::kPanic);
    EXPECT_TRUE(next->panicTime >= 4.0f && next->panicTime <= 20.0f) << next->panicTime;
  }
  EXPECT_NE(away.currentState, NPC::kPanic) << "200 away is not close enough";
  GetNPCManager().CalmAll();
  for (int i = 0; i < 3; ++i) body.Update();
  for (NPC* witness : order) EXPECT_NE(witness->currentState, NPC::kPanic) << "scared once per body";
}

TEST_F(CrowdTest, PanicCountsItsSourceOnceAndAZeroFreezeEndsAtOnce) {
  NPC& guest = AddGuest(Math::Vec3(0, 0, 0));
  int sources = 0;
  guest.AddPanicSource = [&sources](int count) { sources += count; };
  Framework::EfxManager::Instance().Clear();  // a scene without the effect objects shows none
  guest.Panic(5.0f);
  guest.Panic(6.0f);  // again before the first Run: no source was added yet
  EXPECT_EQ(sources, 0);
  guest.Update();
  EXPECT_EQ(sources, 1);
  guest.Panic(3.0f);
  guest.Update();
  EXPECT_EQ(sources, 1) << "a new panic leaves and re-enters";
  for (int i = 0; i < 7 * 60 && guest.currentState == NPC::kPanic; ++i) Frame();  // 3 s after a freeze of up to 3
  EXPECT_EQ(guest.currentState, NPC::kIdle) << "the panic runs down after the freeze";
  EXPECT_EQ(sources, 0);
  Platform::SeedRandom(0);  // rand() gives 0 first: a freeze of no time
  guest.Panic(1.0f);
  guest.Update();
  EXPECT_TRUE(static_cast<FSM_PANIC*>(guest.StateAt(NPC::kPanic))->freezeTimer.done) << "not frozen for good";
}

TEST_F(CrowdTest, KillsReachTheTargetWithTheKillersMusicUntilTheNextSceneAndDeadUsersFreeTheProp) {
  GetNPCManager().MaxKills = 2;
  TestProp& dish = AddProp(Math::Vec3(0, 0, 0));
  NPC& eater = AddGuest(Math::Vec3(40, 0, 0));
  NPC& waiting = AddGuest(Math::Vec3(-40, 0, 0));
  dish.Use(eater.user);
  EXPECT_EQ(dish.Use(waiting.user).kind, "full");
  eater.body->velocity = Math::Vec3(5, 0, 0);
  eater.Die(NPC::kKilled);
  EXPECT_EQ(eater.body->velocity, Math::Vec3(0, 0, 0)) << "a body does not slide";
  EXPECT_FALSE(GetNPCManager().roundOver);
  EXPECT_EQ(dish.Use(waiting.user).kind, "eat") << "the dead guest no longer blocks the dish";
  waiting.Die(NPC::kKilled);
  EXPECT_TRUE(GetNPCManager().roundOver);
  const Framework::AudioManager& manager = Framework::GetAudioManager();
  EXPECT_TRUE(audio->At(manager.musicChannel).path.find("Victory_Killer") != std::string::npos);
  EXPECT_TRUE(audio->Audible(manager.musicChannel));
  // The next scene reopens the round, without the old guests and props.
  Framework::SceneManager& scenes = Framework::GetSceneManager();
  InstallGameSceneSteps(scenes);
  scenes.AddScene(new Framework::DefaultScene, "next");
  scenes.ChangeScene("next");
  for (int i = 0; i < 4; ++i) scenes.Update(0.5f);
  ASSERT_EQ(scenes.CurrentSceneKey(), "next");
  EXPECT_TRUE(GetNPCManager().Kills == 0 && !GetNPCManager().roundOver && GetNPCManager().MaxKills == 2);
  EXPECT_TRUE(GetNPCManager().npcs.empty() && GetInteractionManager().interactables.empty());
}

TEST_F(CrowdTest, TheForcedGuestAlwaysLetsTheDetectiveIn) {
  NPC& early = AddGuest(Math::Vec3(-400, 200, 0));
  early.ChangeState(NPC::kForceInteract);
  early.Calm(Math::Vec3(0, 0, 0), 1.0f);  // no "DetectiveStart" yet: nothing to start, no fault
  GameObject& start = AddObject(Math::Vec3(0, 0, 0), "DetectiveStart", "untagged");
  auto entrance = std::make_shared<Entrance>(&start);
  start.AddComponent(entrance);
  AddProp(Math::Vec3(300, 0, 0));

  NPC& calmed = AddGuest(Math::Vec3(0, 0, 0));
  calmed.ChangeState(NPC::kForceInteract);
  Frame();
  calmed.body->velocity = Math::Vec3(3, 0, 0);
  calmed.Calm(Math::Vec3(10, 0, 0), 1.0f);
  EXPECT_EQ(entrance->starts, 1) << "calmed on the way";
  EXPECT_EQ(calmed.body->velocity, Math::Vec3(0, 0, 0)) << "a calmed guest stands still";

  NPC& killed = AddGuest(Math::Vec3(-400, 0, 0));
  killed.ChangeState(NPC::kForceInteract);
  killed.Die(NPC::kKilled);
  EXPECT_EQ(entrance->starts, 2) << "killed before its first step";

  NPC& walker = AddGuest(Math::Vec3(450, 0, 0));
  walker.ChangeState(NPC::kForceInteract);
  for (int i = 0; i < 15 * 60 && walker.alive; ++i) Frame();
  EXPECT_FALSE(walker.alive) << "walks, eats, runs back and dies";
  EXPECT_EQ(entrance->starts, 3) << "once, not again at its death";

  AddObject(Math::Vec3(0, -300, 0), "Boxless", "interactable");
  NPC& stuck = AddGuest(Math::Vec3(0, -290, 0));
  stuck.ChangeState(NPC::kForceInteract);
  Frame();
  EXPECT_EQ(entrance->starts, 4) << "a target without a box goes straight to the entrance";
  EXPECT_EQ(stuck.currentState, NPC::kIdle);
}

TEST_F(CrowdTest, ACalmShowsDotsAllItsTimeAndAScareDuringItKeepsItsMarkToThePanicsEnd) {
  NPC& guest = AddGuest(Math::Vec3(0, 0, 0));
  guest.Panic(10.0f);
  Frame();
  guest.Calm(Math::Vec3(50, 0, 0), 5.0f);  // longer than the guest's own bubbles
  for (int i = 0; guest.calmed; ++i, Frame()) ASSERT_EQ(Shown(guest), "Dots") << i;
  guest.Calm(Math::Vec3(50, 0, 0), 2.0f);
  guest.Panic(3.0f);
  for (int i = 0; guest.currentState == NPC::kPanic; ++i, Frame()) ASSERT_EQ(Shown(guest), "Panic") << i;
}

TEST_F(CrowdTest, ABoredGuestWhosePropBrokeAndWhoHasNoOtherGivesUpInsteadOfStandingFrozen) {
  auto* piano = Build("Resources/archetypes/Piano.xml").GetComponent<Explodable>();
  piano->broken = true;
  NPC& guest = AddGuest(Math::Vec3(0, 0, 0));
  static_cast<FSM_BORED*>(guest.StateAt(NPC::kBored))->targetProp = piano;
  guest.ChangeState(NPC::kBored);
  Frame();
  EXPECT_EQ(guest.currentState, NPC::kIdle);
}

TEST_F(CrowdTest, AGuestArchetypeThatLiesKeepsItsDefaultsWithErrorLinesAndStillPanics) {
  std::string text = TestSupport::ReadFile("Resources/archetypes/Guest_NPCMale1.xml");
  const std::map<std::string, std::string> lies = {{"interaction_range", "inf"}, {"emote_timer_max", "nan"},
                                                   {"punch_stunduration", "-3"}, {"murderPanic_Min", "-inf"},
                                                   {"murderPanic_Max", "1"},     {"mSpeed", "nan"}};
  for (const auto& [field, lie] : lies)
    text = std::regex_replace(text, std::regex(field + " float=\"[^\"]*"), field + " float=\"" + lie);
  TestSupport::TempFolder folder;
  const std::string file = folder.Write("Liar.xml", text).string();
  ::testing::internal::CaptureStderr();
  NPC& guest = *Build(file).GetComponent<NPC>();
  const std::string errors = ::testing::internal::GetCapturedStderr();
  for (const auto& lie : lies) EXPECT_NE(errors.find("Error: " + file + ": " + lie.first + " = "), std::string::npos);
  EXPECT_TRUE(guest.interactionRange == 100.0f && guest.emote_timer_max == 0.0f && guest.punch_stunduration == 1.0f);
  EXPECT_TRUE(guest.murderPanic_Min == 4.0f && guest.murderPanic_Max == 20.0f && guest.moveable->mSpeed == 240.0f);
  guest.Panic(4.0f);
  for (int i = 0; i < 8 * 60 && guest.currentState == NPC::kPanic; ++i) Frame();
  EXPECT_TRUE(guest.currentState == NPC::kIdle && Finite(guest.GetOwnerTransform()->position)) << "it ran, then calmed";
}

}  // namespace
