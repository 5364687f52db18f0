// Game pads: latches, the Start trigger and pads standing in for the keyboard.
#include "support/InputTestSupport.h"

namespace {

using Platform::PAD_A;
using Platform::PAD_DPAD_UP;
using Platform::PAD_START;
constexpr int kButtonA = 0, kButtonStart = 12;

class InputPads : public TestSupport::InputFixture {
 protected:
  GamepadState& PadOne() { return *input.padOne; }
};

TEST_F(InputPads, ButtonTriggersOncePerPress) {
  SetPad(0, true, PAD_A);
  input.Update(0);
  ASSERT_TRUE(PadOne().Poll());
  EXPECT_TRUE(PadOne().IsButtonTriggered(kButtonA));
  EXPECT_FALSE(PadOne().IsButtonTriggered(kButtonA));
  input.Update(0);
  EXPECT_FALSE(PadOne().IsButtonTriggered(kButtonA)) << "held across a frame";
  SetPad(0, true, 0);
  input.Update(0);
  SetPad(0, true, PAD_A);
  PadOne().Poll();
  EXPECT_TRUE(PadOne().IsButtonTriggered(kButtonA));
}

TEST_F(InputPads, UnpluggedWhileDisarmedStaysDisarmedUntilSeenReleased) {
  SetPad(0, true, PAD_A);
  PadOne().Poll();
  ASSERT_TRUE(PadOne().IsButtonTriggered(kButtonA));
  SetPad(0, false);
  input.Update(0);
  EXPECT_FALSE(PadOne().Poll());
  EXPECT_FALSE(PadOne().IsButtonDown(kButtonA)) << "an absent pad reads as all buttons up";
  EXPECT_FALSE(PadOne().Button(kButtonA).armed);
  SetPad(0, true, PAD_A);  // back, button still held
  input.Update(0);
  EXPECT_FALSE(PadOne().IsButtonTriggered(kButtonA));
  SetPad(0, true, 0);
  input.Update(0);
  EXPECT_TRUE(PadOne().Button(kButtonA).armed);
}

TEST_F(InputPads, StartTriggerWorksDuringAFadeButButtonsDoNot) {
  SetPad(0, true, PAD_START | PAD_A);
  PadOne().Poll();
  input.inputDisabled = true;
  EXPECT_FALSE(PadOne().IsButtonDown(kButtonA));
  EXPECT_FALSE(PadOne().IsButtonTriggered(kButtonStart));
  EXPECT_TRUE(PadOne().IsStartTriggered());
  input.inputDisabled = false;
  EXPECT_FALSE(PadOne().IsButtonTriggered(kButtonStart)) << "Start has one latch";
  backend->SetActive(false);
  SetPad(0, true, 0);
  input.Update(0);
  SetPad(0, true, PAD_START);
  PadOne().Poll();
  EXPECT_FALSE(PadOne().IsStartTriggered()) << "inactive window";
  backend->SetActive(true);
  EXPECT_FALSE(PadOne().IsStartTriggered()) << "no pad is polled, so nothing re-armed, while inactive";
}

TEST_F(InputPads, ButtonNumbersOutsideTheTableAnswerFalse) {
  SetPad(0, true, 0xFFFF);
  PadOne().Poll();
  for (int button : {-1, 14, 99}) {
    EXPECT_FALSE(PadOne().IsButtonDown(button));
    EXPECT_FALSE(PadOne().IsButtonTriggered(button));
  }
}

TEST_F(InputPads, PadInSlotTwoOnlyMovesPlayerTwoToThePad) {
  SetPad(1, true, PAD_DPAD_UP);
  Press(Row("W"));   // player 1's keyboard
  Press(Row("UP"));  // player 2's keyboard, hidden by its pad
  EXPECT_TRUE(input.IsActionDown(1, "moveup"));
  EXPECT_TRUE(input.IsActionDown(2, "moveup"));
  SetPad(1, true, 0);
  EXPECT_FALSE(input.IsActionDown(2, "moveup")) << "a connected pad hides the keyboard bindings";
  EXPECT_FALSE(input.IsActionDown(2, "interact"));
  SetPad(1, true, PAD_A);
  EXPECT_TRUE(input.IsActionTriggered(2, "interact"));
  EXPECT_FALSE(input.IsActionTriggered(2, "interact"));
}

TEST_F(InputPads, ActionQueriesPollThePadAtQueryTime) {
  SetPad(0, true, 0);
  input.Update(0);
  SetPad(0, true, PAD_START);  // pressed after this frame's Update
  EXPECT_TRUE(input.IsActionTriggered(1, "pause_game"));
  SetPad(0, false);
  Press(Row("TAB"));
  EXPECT_TRUE(input.IsActionTriggered(1, "pause_game")) << "unplugged: back to the keyboard";
}

}  // namespace
