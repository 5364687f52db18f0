// Props built from copies of the shipped archetypes whose numbers lie.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "game/characters/Detective.h"
#include "game/guests/NPC.h"
#include "game/match/Roles.h"
#include "game/props/Alarm.h"
#include "game/props/Explodable.h"
#include "game/props/Poisonable.h"
#include "support/PlayersWorld.h"

namespace {

using PropDataTest = TestSupport::PlayersWorld;

TEST_F(PropDataTest, NumbersThatAreNoSensibleValueAreNamedAndTheDefaultsStillBlastAndPanic) {
  TestSupport::ScopedRole role(detectiveController, 1);
  TestSupport::TempFolder folder;
  const std::map<std::string, std::map<std::string, std::string>> lies = {
      {"Jukebox", {{"explosion_radius", "nan"}}},
      {"AlarmBox", {{"panic_radius", "inf"}, {"cooldownMax", "nan"}, {"cooldown", "-3"}}},
      {"Food_Buffet", {{"PoisonedChargesMax", "-1"}}},
      // The whole-number reader alone takes both for 0: a dish that never poisons.
      {"Food_Cake", {{"PoisonedChargesMax", "nan"}}},
      {"Food_Punchbowl", {{"PoisonedChargesMax", "inf"}}}};
  for (const auto& [archetype, fields] : lies) {
    std::stringstream shipped;
    shipped << std::ifstream("Resources/archetypes/" + archetype + ".xml").rdbuf();
    std::string copy = shipped.str();
    for (const auto& [field, value] : fields) {
      const std::regex element("<" + field + " (\\w+)=\"[^\"]*\"");
      copy = std::regex_replace(copy, element, "<" + field + " $1=\"" + value + "\"");
    }
    const std::string file = folder.Write(archetype + ".xml", copy).string();
    testing::internal::CaptureStderr();
    Build(file);
    const std::string errors = testing::internal::GetCapturedStderr();
    for (const auto& [field, value] : fields)
      EXPECT_NE(errors.find("Error: " + file + ": " + field + " = " + value), std::string::npos) << field << errors;
  }
  auto& jukebox = *Scene().FindObject("Jukebox")->GetComponent<Explodable>();  // at -450,-50
  auto& alarm = *Scene().FindObject("AlarmBox")->GetComponent<Alarm>();        // at 560,260
  for (const char* dish : {"Food_Buffet", "Food_Cake", "Food_Punchbowl"})
    EXPECT_EQ(Scene().FindObject(dish)->GetComponent<Poisonable>()->PoisonedChargesMax, 2) << dish;
  EXPECT_TRUE(jukebox.explosion_radius == 500.0f && alarm.panic_radius == 1000.0f);
  EXPECT_TRUE(alarm.cooldownMax == 30.0f && alarm.cooldown == 0.0f);

  NPC& player = Guest({-450, -110, 0});
  NPC& nearBlast = Guest({30, -50, 0});
  NPC& nearAlarm = Guest({70, -50, 0});
  NPC& farAway = Guest({-1500, -800, 0});
  jukebox.Sabotage();
  for (int i = 0; i < 600 && jukebox.Use(player.user).kind != "explosion"; ++i) Step();
  EXPECT_TRUE(!player.alive && !nearBlast.alive && nearAlarm.alive && farAway.alive);
  Spawn<Detective>("Detective", {560, 200, 0});
  Tap("E");
  EXPECT_EQ(nearAlarm.currentState, NPC::kPanic);
  EXPECT_NE(farAway.currentState, NPC::kPanic);
  EXPECT_GT(alarm.cooldown, 34.0f);
}

}  // namespace
