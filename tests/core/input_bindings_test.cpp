// Binding files: parsing limits, failures, and the shipped bindings.
#include <set>
#include <sstream>

#include "support/InputTestSupport.h"
#include "support/TestSupport.h"

namespace {

using Framework::ActionBindings;
using Framework::WordNumbers;

TEST(InputBindingParsing, WordListsStopAtTheTableSizeAndKeepFirstPositions) {
  WordNumbers words;
  std::istringstream in("A B\n\nA C D E");
  Framework::ReadWordList(in, 4, words);
  EXPECT_EQ(words, (WordNumbers{{"A", 0}, {"B", 1}, {"C", 3}}));
}

TEST(InputBindingParsing, UnknownWordsAndRepeatedActionsBindNothingNew) {
  const WordNumbers words{{"BACKSPACE", 0}, {"W", 57}};
  ActionBindings actions;
  std::istringstream in("moveup_1 W moveup_1 BACKSPACE jump_1 NOSUCHKEY run_1 BACKSPACE dangling_1");
  Framework::ReadActionBindings(in, words, actions);
  EXPECT_EQ(actions, (ActionBindings{{"moveup_1", 57}, {"run_1", 0}}));
}

class InputBindingFiles : public TestSupport::InputFixture {};

TEST_F(InputBindingFiles, MissingFilesReportAndLeaveMapsEmpty) {
  TestSupport::TempFolder folder;
  folder.Write("Resources/Controller_Actions.txt", "interact_1 A\n");
  testing::internal::CaptureStderr();
  InitializeFrom(folder.Path().string());
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Keyboard Enum Strings cannot be initialisedController Enum Strings cannot be initialised");
  EXPECT_TRUE(input.keyEnum.empty());
  EXPECT_TRUE(input.controllerActions.empty()) << "no keyboard file: the pad file is not read";
  ASSERT_TRUE(input.padOne && input.padTwo);
  EXPECT_FALSE(input.IsActionDown(1, "interact"));
}

TEST_F(InputBindingFiles, OverLongWordFilesStayInsideTheTables) {
  TestSupport::TempFolder folder;
  std::string keys, buttons;
  for (int i = 0; i < 200; ++i) keys += "K" + std::to_string(i) + " ";
  for (int i = 0; i < 30; ++i) buttons += "B" + std::to_string(i) + " ";
  folder.Write("Resources/KeyEnumString.txt", keys);
  folder.Write("Resources/ControllerEnumString.txt", buttons);
  folder.Write("Resources/Keyboard_Actions.txt", "far_1 K150 near_1 K102");
  folder.Write("Resources/Controller_Actions.txt", "far_1 B20 near_1 B13");
  InitializeFrom(folder.Path().string());
  EXPECT_EQ(input.keyEnum.size(), 103u);
  EXPECT_EQ(input.controllerEnum.size(), 14u);
  EXPECT_EQ(input.keyboardActions, (ActionBindings{{"near_1", 102}}));
  EXPECT_EQ(input.controllerActions, (ActionBindings{{"near_1", 13}}));
  SetPad(0, true, 0xFFFF);
  EXPECT_FALSE(input.IsActionDown(1, "far"));
  EXPECT_TRUE(input.IsActionDown(1, "near"));
}

TEST_F(InputBindingFiles, ShippedWordFilesNameTheTablesInOrder) {
  ASSERT_EQ(input.keyEnum.size(), 103u);
  for (int row = 0; row < Framework::kKeyCount; ++row)
    EXPECT_EQ(input.keyEnum.at(Framework::keyTable[row].name), row) << Framework::keyTable[row].name;
  ASSERT_EQ(input.controllerEnum.size(), 14u);
  for (int button = 0; button < kPadButtonCount; ++button)
    EXPECT_EQ(input.controllerEnum.at(input.padOne->Button(button).name), button);
}

TEST_F(InputBindingFiles, ShippedBindingsCoverEveryActionForBothPlayersOnSeparateKeys) {
  const char* actions[] = {"moveup", "movedown", "moveleft", "moveright", "run", "interact",
                           "action", "pause_game", "confirm_choice", "menu_up", "menu_down",
                           "menu_select"};
  std::set<int> keysOf[3];
  for (const char* action : actions) {
    for (int player : {1, 2}) {
      const std::string name = Framework::ComposeActionName(action, player);
      ASSERT_EQ(input.keyboardActions.count(name), 1u) << name;
      ASSERT_EQ(input.controllerActions.count(name), 1u) << name;
      keysOf[player].insert(input.keyboardActions.at(name));
    }
  }
  for (int key : keysOf[1]) EXPECT_EQ(keysOf[2].count(key), 0u) << Framework::keyTable[key].name;
  // The tutorial confirms with ENTER and the match outro ends on ESC, both read raw.
  for (int player : {1, 2}) {
    const int pause = input.keyboardActions.at(Framework::ComposeActionName("pause_game", player));
    EXPECT_NE(pause, Framework::kKeyRowEnter);
    EXPECT_NE(pause, Framework::kKeyRowEsc);
  }
  EXPECT_EQ(input.keyboardActions.size(), input.controllerActions.size());
}

}  // namespace
