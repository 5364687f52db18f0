// Key latches, gates and action queries on the test backend.
#include "support/InputTestSupport.h"

using Framework::InputManager;

namespace {

class InputKeys : public TestSupport::InputFixture {};

TEST_F(InputKeys, TriggerFiresOncePerPressAndReArmsOnlyAfterReleaseSeenByUpdate) {
  const int w = Row("W");
  Press(w);
  EXPECT_TRUE(input.IsKeyTriggered(w));
  EXPECT_FALSE(input.IsKeyTriggered(w)) << "second query in the same frame";
  input.Update(0);  // still held: stays disarmed
  EXPECT_FALSE(input.IsKeyTriggered(w));
  EXPECT_TRUE(input.IsKeyDown(w));

  Press(w, false);
  Press(w);  // released and pressed again with no Update between
  EXPECT_FALSE(input.IsKeyTriggered(w));
  Press(w, false);
  input.Update(0);
  Press(w);
  EXPECT_TRUE(input.IsKeyTriggered(w));
}

// A slow frame's event pump brings keys down and up before the frame reads them.
TEST_F(InputKeys, EveryPressTriggersOnceInTheFrameAfterItsPump) {
  const int w = Row("W");
  Press(w);
  Press(w, false);
  input.Update(0);
  EXPECT_TRUE(input.IsActionTriggered(1, "moveup"));
  EXPECT_FALSE(input.IsKeyTriggered(w));
  input.Update(0);
  Press(w);  // brought by a pump in the middle of a frame, before Update takes it
  EXPECT_TRUE(input.IsKeyTriggered(w));
  input.Update(0);
  EXPECT_FALSE(input.IsKeyTriggered(w)) << "held: one press, one trigger";
  Press(w, false);
  Press(w);
  input.Update(0);
  EXPECT_TRUE(input.IsKeyTriggered(w)) << "let go and pressed again within one pump";
}

TEST_F(InputKeys, DisabledInputKeepsTheLatchWhileTheRawTestStillFires) {
  const int space = Row("SPACE");
  Press(space);
  input.inputDisabled = true;
  EXPECT_FALSE(input.IsKeyDown(space));
  EXPECT_FALSE(input.IsKeyTriggered(space));
  input.inputDisabled = false;
  EXPECT_TRUE(input.IsKeyTriggered(space)) << "the press made during the fade triggers once after it";

  const int enter = Framework::kKeyRowEnter;
  Press(enter);
  input.inputDisabled = true;
  input.mouseInUse = true;
  EXPECT_TRUE(InputManager::WasKeyPressed(enter));
  EXPECT_TRUE(input.mouseInUse) << "the raw test leaves the mouse flag alone";
  input.inputDisabled = false;
  EXPECT_FALSE(input.IsKeyTriggered(enter)) << "the raw test shares the latch";
}

TEST_F(InputKeys, InactiveWindowAnswersFalseAndReArmsNothing) {
  const int a = Row("A");
  Press(a);
  ASSERT_TRUE(input.IsKeyTriggered(a));
  backend->SetActive(false);
  Press(a, false);
  input.Update(0);
  Press(a);
  EXPECT_FALSE(input.IsKeyDown(a));
  EXPECT_FALSE(InputManager::WasKeyPressed(a));
  EXPECT_FALSE(input.IsActionDown(1, "moveleft"));
  EXPECT_FALSE(input.IsActionTriggered(0, "moveleft"));
  backend->SetActive(true);
  EXPECT_FALSE(input.IsKeyTriggered(a)) << "a release seen while inactive must not re-arm";
  EXPECT_TRUE(input.IsKeyDown(a));
}

TEST_F(InputKeys, KeyAnswersClearMouseInUse) {
  const int d = Row("D");
  EXPECT_FALSE(input.IsKeyDown(d));
  EXPECT_TRUE(input.mouseInUse) << "a key that is up says nothing about the mouse";
  Press(d);
  EXPECT_TRUE(input.IsKeyDown(d));
  EXPECT_FALSE(input.mouseInUse);
  input.mouseInUse = true;
  EXPECT_TRUE(input.IsActionTriggered(1, "moveright"));
  EXPECT_FALSE(input.mouseInUse);
}

TEST_F(InputKeys, EitherPlayerConsumesOnlyTheFirstPlayersLatch) {
  Press(Row("W"));   // moveup_1
  Press(Row("UP"));  // moveup_2
  EXPECT_TRUE(input.IsActionTriggered(0, "moveup"));
  EXPECT_TRUE(input.IsActionTriggered(0, "moveup")) << "player 2's press is still waiting";
  EXPECT_FALSE(input.IsActionTriggered(0, "moveup"));
  EXPECT_TRUE(input.IsActionDown(0, "moveup"));
  EXPECT_TRUE(input.IsActionDown(2, "moveup"));
}

TEST_F(InputKeys, PlayersReadOnlyTheirOwnKeys) {
  Press(Row("UP"));
  EXPECT_FALSE(input.IsActionDown(1, "moveup"));
  EXPECT_TRUE(input.IsActionDown(2, "moveup"));
  input.inputDisabled = true;
  EXPECT_FALSE(input.IsActionDown(2, "moveup"));
}

TEST_F(InputKeys, OutOfRangeKeysUnboundActionsAndOtherPlayersAnswerFalse) {
  for (int key = 0; key < Framework::kKeyCount; ++key) Press(key);
  for (int key : {-1, Framework::kKeyCount, 1000}) {
    EXPECT_FALSE(input.IsKeyDown(key));
    EXPECT_FALSE(input.IsKeyTriggered(key));
    EXPECT_FALSE(InputManager::WasKeyPressed(key));
  }
  EXPECT_FALSE(input.IsActionDown(1, "no_such_action"));
  EXPECT_FALSE(input.IsActionTriggered(0, "no_such_action"));
  EXPECT_FALSE(input.IsActionDown(3, "moveup"));
  EXPECT_FALSE(input.IsActionDown(-1, "moveup"));
  EXPECT_EQ(input.keyboardActions.count("no_such_action_1"), 0u) << "a query must not insert";
}

TEST_F(InputKeys, MouseMovesCountYFromTheBottomEdge) {
  input.mouseInUse = false;
  input.OnMouseMove(10, 20, 720);
  EXPECT_EQ(input.mouseX, 10);
  EXPECT_EQ(input.mouseY, 700);
  EXPECT_TRUE(input.mouseInUse);
  input.OnMouseMove(0, 0, 720);
  EXPECT_EQ(input.mouseY, 720);
  input.OnMouseMove(0, 720, 720);
  EXPECT_EQ(input.mouseY, 0);
}

}  // namespace
