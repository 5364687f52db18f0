// The SDL key and pad reader against SDL's virtual game controllers.
#include <SDL.h>
#include <gtest/gtest.h>

#include "engine/platform/SdlInput.h"

namespace {

using Platform::PadState;
using Platform::SdlInput;

class SdlInputPads : public testing::Test {
 protected:
  void SetUp() override {
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    ASSERT_EQ(SDL_Init(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
  }
  void TearDown() override {
    input.Close();
    SDL_Quit();
  }

  // Attaches a virtual controller whose buttons are numbered as SDL's
  // controller buttons; returns its device index.
  int AttachPad() {
    const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                                 SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    EXPECT_GE(device, 0) << SDL_GetError();
    SDL_Joystick* joystick = SDL_JoystickOpen(device);  // keeps a handle to press buttons
    handles.push_back(joystick);
    return device;
  }
  void SetButton(size_t pad, SDL_GameControllerButton button, bool down) {
    SDL_JoystickSetVirtualButton(handles[pad], button, down ? 1 : 0);
    SDL_JoystickUpdate();
  }
  // Hands every queued controller event to the reader, as the backend does.
  void Pump() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) input.HandleEvent(event);
  }
  void Detach(size_t pad) {
    const int device = DeviceIndexOf(SDL_JoystickInstanceID(handles[pad]));
    SDL_JoystickClose(handles[pad]);
    handles[pad] = nullptr;
    SDL_JoystickDetachVirtual(device);
  }
  static int DeviceIndexOf(SDL_JoystickID id) {
    for (int device = 0; device < SDL_NumJoysticks(); ++device)
      if (SDL_JoystickGetDeviceInstanceID(device) == id) return device;
    return -1;
  }

  SdlInput input;
  std::vector<SDL_Joystick*> handles;
};

TEST_F(SdlInputPads, PadsPresentAtOpenFillSlotsAndReportXInputShapedWords) {
  AttachPad();
  input.Open();
  Pump();  // the start-up "added" events must not open the pad twice
  EXPECT_TRUE(input.GetPadState(0).connected);
  EXPECT_FALSE(input.GetPadState(1).connected);

  const std::pair<SDL_GameControllerButton, uint16_t> buttons[] = {
      {SDL_CONTROLLER_BUTTON_A, Platform::PAD_A},
      {SDL_CONTROLLER_BUTTON_Y, Platform::PAD_Y},
      {SDL_CONTROLLER_BUTTON_START, Platform::PAD_START},
      {SDL_CONTROLLER_BUTTON_BACK, Platform::PAD_BACK},
      {SDL_CONTROLLER_BUTTON_DPAD_LEFT, Platform::PAD_DPAD_LEFT},
      {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, Platform::PAD_LEFT_SHOULDER},
      {SDL_CONTROLLER_BUTTON_RIGHTSTICK, Platform::PAD_RIGHT_THUMB},
  };
  for (const auto& [button, mask] : buttons) {
    SetButton(0, button, true);
    EXPECT_EQ(input.GetPadState(0).buttons, mask) << SDL_GameControllerGetStringForButton(button);
    SetButton(0, button, false);
    EXPECT_EQ(input.GetPadState(0).buttons, 0);
  }
  EXPECT_FALSE(input.GetPadState(-1).connected);
  EXPECT_FALSE(input.GetPadState(2).connected);
}

TEST_F(SdlInputPads, APadKeepsItsSlotAndANewPadTakesTheLowestFreeOne) {
  input.Open();
  AttachPad();
  Pump();
  AttachPad();
  Pump();
  SetButton(1, SDL_CONTROLLER_BUTTON_B, true);
  EXPECT_EQ(input.GetPadState(1).buttons, Platform::PAD_B);
  EXPECT_EQ(input.GetPadState(0).buttons, 0);

  Detach(0);
  Pump();
  EXPECT_FALSE(input.GetPadState(0).connected);
  EXPECT_EQ(input.GetPadState(1).buttons, Platform::PAD_B) << "the second pad stays in slot 2";

  AttachPad();
  AttachPad();  // a third pad while both slots are taken plays no part
  Pump();
  EXPECT_TRUE(input.GetPadState(0).connected);
  SetButton(2, SDL_CONTROLLER_BUTTON_X, true);
  EXPECT_EQ(input.GetPadState(0).buttons, Platform::PAD_X);
  SetButton(3, SDL_CONTROLLER_BUTTON_Y, true);
  EXPECT_EQ(input.GetPadState(0).buttons, Platform::PAD_X);
  EXPECT_EQ(input.GetPadState(1).buttons, Platform::PAD_B);
}

}  // namespace
