// A virtual game controller through the game's SDL backend reaches the
// input manager's action queries for the player whose slot it holds.
#include <SDL.h>

#include "engine/core/InputManager.h"
#include "engine/platform/SdlBackend.h"
#include "support/InputTestSupport.h"

namespace {

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

class SdlInputThroughBackend : public testing::Test {
 protected:
  void SetUp() override {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");  // no display needed
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    Platform::SetBackend(std::make_unique<FocusedSdlBackend>());
    ASSERT_TRUE(SDL_WasInit(SDL_INIT_GAMECONTROLLER)) << SDL_GetError();
    TestSupport::ResetInput(CORVIDALE_SOURCE_ROOT);
  }
  void TearDown() override {
    for (SDL_Joystick* pad : pads) SDL_JoystickClose(pad);
    Platform::SetBackend(nullptr);
  }

  void AttachPad() {
    const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                                 SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(device, 0) << SDL_GetError();
    pads.push_back(SDL_JoystickOpen(device));
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
  void SetButton(size_t pad, SDL_GameControllerButton button, bool down) {
    SDL_JoystickSetVirtualButton(pads[pad], button, down ? 1 : 0);
    Pump();
  }

  Framework::InputManager& input = Framework::GetInputManager();
  std::vector<SDL_Joystick*> pads;
};

TEST_F(SdlInputThroughBackend, PadPressReachesTheActionOfThePlayerInItsSlot) {
  AttachPad();
  AttachPad();
  Frame();
  ASSERT_TRUE(Platform::Current().GetPadState(1).connected);

  SetButton(1, SDL_CONTROLLER_BUTTON_A, true);  // "interact" on the second pad
  Frame();
  EXPECT_FALSE(input.IsActionTriggered(1, "interact"));
  EXPECT_TRUE(input.IsActionTriggered(2, "interact"));
  EXPECT_FALSE(input.IsActionTriggered(2, "interact")) << "held: once per press";
  Frame();
  EXPECT_FALSE(input.IsActionTriggered(0, "interact"));

  SetButton(1, SDL_CONTROLLER_BUTTON_A, false);
  Frame();
  EXPECT_FALSE(input.IsActionDown(2, "interact"));
  SetButton(1, SDL_CONTROLLER_BUTTON_A, true);
  EXPECT_TRUE(input.IsActionTriggered(0, "interact")) << "released and pressed again";

  SetButton(0, SDL_CONTROLLER_BUTTON_START, true);
  EXPECT_TRUE(input.IsActionTriggered(1, "pause_game"));
  EXPECT_FALSE(input.IsActionTriggered(2, "pause_game"));
}

}  // namespace
