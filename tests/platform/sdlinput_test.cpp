// Game pads through the game's SDL backend, played by virtual controllers:
// XInput-shaped button words, slots that stay put, and presses that reach
// the input manager's actions for the player whose slot the pad holds.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/core/InputManager.h"
#include "engine/platform/SdlBackend.h"
#include "engine/platform/VirtualPad.h"
#include "support/InputTestSupport.h"

namespace {

using Platform::PadState;
using Platform::VirtualPad;

class NoWindowEvents : public Platform::WindowEventSink {
 public:
  void OnQuitRequested() override {}
  void OnMouseMove(int, int) override {}
};

// The game's backend, its window taken as focused: an off-screen window never
// receives the focus, and a window on a display shared with other tests may
// lose it at any moment. The focus gate itself is covered with the test backend.
class FocusedSdlBackend : public Platform::SdlBackend {
 public:
  bool IsWindowActive() override { return true; }
};

class SdlPads : public testing::Test {
 protected:
  void SetUp() override { Platform::UseOffscreenVideo(); }
  void TearDown() override {
    pads.clear();
    Platform::SetBackend(nullptr);
  }

  void StartBackend() {
    Platform::SetBackend(std::make_unique<FocusedSdlBackend>());
    TestSupport::ResetInput(CORVIDALE_SOURCE_ROOT);
  }
  VirtualPad& PlugPad() {
    pads.push_back(std::make_unique<VirtualPad>());
    EXPECT_TRUE(pads.back()->IsPlugged());
    return *pads.back();
  }
  void Pump() {
    NoWindowEvents sink;
    Platform::Current().PumpEvents(sink);
  }
  // One frame as the game runs it: events, then the input manager's Update.
  void Frame() {
    Pump();
    input.Update(0);
  }
  PadState Slot(int slot) { return Platform::Current().GetPadState(slot); }

  Framework::InputManager& input = Framework::GetInputManager();
  std::vector<std::unique_ptr<VirtualPad>> pads;
};

TEST_F(SdlPads, PadsPresentAtStartFillSlotsAndReportXInputShapedWords) {
  VirtualPad& pad = PlugPad();
  StartBackend();
  Pump();  // the start-up "added" events must not open the pad twice
  EXPECT_TRUE(Slot(0).connected);
  EXPECT_FALSE(Slot(1).connected);

  for (Platform::PadButton button : {Platform::PAD_A, Platform::PAD_Y, Platform::PAD_START, Platform::PAD_BACK,
                                     Platform::PAD_DPAD_LEFT, Platform::PAD_LEFT_SHOULDER,
                                     Platform::PAD_RIGHT_THUMB}) {
    pad.SetButton(button, true);
    EXPECT_EQ(Slot(0).buttons, button);
    pad.SetButton(button, false);
    EXPECT_EQ(Slot(0).buttons, 0);
  }
  EXPECT_FALSE(Slot(-1).connected);
  EXPECT_FALSE(Slot(2).connected);
}

TEST_F(SdlPads, APadKeepsItsSlotAndANewPadTakesTheLowestFreeOne) {
  StartBackend();
  VirtualPad& first = PlugPad();
  Pump();
  VirtualPad& second = PlugPad();
  Pump();
  second.SetButton(Platform::PAD_B, true);
  EXPECT_EQ(Slot(1).buttons, Platform::PAD_B);
  EXPECT_EQ(Slot(0).buttons, 0);

  first.Unplug();
  Pump();
  EXPECT_FALSE(Slot(0).connected);
  EXPECT_EQ(Slot(1).buttons, Platform::PAD_B) << "the second pad stays in slot 2";

  VirtualPad& third = PlugPad();
  VirtualPad& fourth = PlugPad();  // both slots taken: this one plays no part
  Pump();
  EXPECT_TRUE(Slot(0).connected);
  third.SetButton(Platform::PAD_X, true);
  fourth.SetButton(Platform::PAD_Y, true);
  EXPECT_EQ(Slot(0).buttons, Platform::PAD_X);
  EXPECT_EQ(Slot(1).buttons, Platform::PAD_B);
}

TEST_F(SdlPads, PadPressReachesTheActionOfThePlayerInItsSlot) {
  StartBackend();
  VirtualPad& first = PlugPad();
  VirtualPad& second = PlugPad();
  Frame();
  ASSERT_TRUE(Slot(1).connected);

  second.SetButton(Platform::PAD_A, true);  // "interact" on the second pad
  Frame();
  EXPECT_FALSE(input.IsActionTriggered(1, "interact"));
  EXPECT_TRUE(input.IsActionTriggered(2, "interact"));
  EXPECT_FALSE(input.IsActionTriggered(2, "interact")) << "held: once per press";
  Frame();
  EXPECT_FALSE(input.IsActionTriggered(0, "interact"));

  second.SetButton(Platform::PAD_A, false);
  Frame();
  EXPECT_FALSE(input.IsActionDown(2, "interact"));
  second.SetButton(Platform::PAD_A, true);
  EXPECT_TRUE(input.IsActionTriggered(0, "interact")) << "released and pressed again";

  first.SetButton(Platform::PAD_START, true);
  EXPECT_TRUE(input.IsActionTriggered(1, "pause_game"));
  EXPECT_FALSE(input.IsActionTriggered(2, "pause_game"));
  first.SetButton(Platform::PAD_A, true);  // down and up within one pump
  first.SetButton(Platform::PAD_A, false);
  Frame();
  EXPECT_TRUE(input.IsActionTriggered(1, "interact"));
  EXPECT_FALSE(input.IsActionTriggered(1, "interact"));
}

}  // namespace
