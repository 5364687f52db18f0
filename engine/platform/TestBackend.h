#pragma once
// A backend with no display: tests set keys, pads, focus and the clock.
#include <array>
#include <set>

#include "engine/platform/Platform.h"
#include "engine/platform/PressLatch.h"

namespace Platform {

class TestBackend : public Backend {
 public:
  // Controls for tests. A key or pad button that goes down is also latched
  // as a press, as the event pump latches it.
  void SetKeyDown(int virtualKey, bool down);
  void SetPad(int slot, PadState state);
  void SetActive(bool active) { active_ = active; }
  void SetTicks(uint64_t ticks) { ticks_ = ticks; }
  void AdvanceTicks(uint64_t ticks) { ticks_ += ticks; }
  void QueueQuit() { quitQueued_ = true; }
  void QueueMouseMove(int x, int y);
  int swapCount = 0;
  int cursorCount = 0;
  bool fullscreen = false;
  bool shown = false;
  int fullscreenSwitches = 0;
  int gameModeCount = 0;     // display switched to the game's mode
  int desktopModeCount = 0;  // display switched back to the desktop mode
  bool swapIntervalTaken = false;  // like a driver without vsync
  bool swapWaits = false;
  int refreshRate = 0;
  int waitCount = 0;

  uint64_t Ticks() override { return ticks_; }
  bool CreateGameWindow(const std::string& title, int w, int h) override;
  void ShowGameWindow() override { shown = true; }
  void DestroyGameWindow() override { hasWindow_ = false; }
  bool HasWindow() const override { return hasWindow_; }
  void SetFullscreen(bool on, int, int) override {
    fullscreen = on;
    ++fullscreenSwitches;
  }
  void ApplyGameDisplayMode(int, int) override { ++gameModeCount; }
  void RestoreDesktopDisplayMode() override { ++desktopModeCount; }
  bool IsWindowActive() override { return active_; }
  int ShowCursor(bool show) override { return show ? ++cursorCount : --cursorCount; }
  void PumpEvents(WindowEventSink& sink) override;
  void GetMonitorSize(int& w, int& h) override { w = 1920; h = 1080; }
  bool CreateGLContext() override { return false; }
  void* GetGLProcAddress(const char*) override { return nullptr; }
  bool SetSwapInterval(int interval) override {
    swapWaits = interval == 1 && swapIntervalTaken;
    return swapIntervalTaken;
  }
  bool SwapWaitsForDisplay() const override { return swapWaits; }
  int RefreshRate() override { return refreshRate; }
  // Waiting moves the clock on at once.
  void WaitUntil(uint64_t ticks) override {
    ++waitCount;
    if (ticks > ticks_) ticks_ = ticks;
  }
  void SwapBuffers() override { ++swapCount; }
  void DestroyGLContext() override {}
  bool HasGLContext() const override { return false; }
  bool IsKeyDown(int virtualKey) override { return keys_.count(virtualKey) != 0; }
  PadState GetPadState(int slot) override;
  bool TakeKeyPress(int virtualKey) override { return presses_.TakeKey(virtualKey); }
  uint16_t TakePadPresses(int slot, uint16_t buttons) override { return presses_.TakePadButtons(slot, buttons); }

  std::string title;
  int width = 0, height = 0;

 private:
  std::set<int> keys_;
  PressLatch presses_;
  std::array<PadState, kPadSlots> pads_{};
  bool active_ = true;
  bool hasWindow_ = false;
  uint64_t ticks_ = 0;
  bool quitQueued_ = false;
  bool mouseQueued_ = false;
  int mouseX_ = 0, mouseY_ = 0;
};

}  // namespace Platform
