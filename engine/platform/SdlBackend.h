#pragma once
// The game's backend: one SDL window with an OpenGL 3.3 core context,
// keys and pads through SdlInput, and the Windows-style cursor counter.
// The header names no SDL type, so tests outside this folder can use it.
#include "engine/platform/Platform.h"
#include "engine/platform/SdlInput.h"

struct SDL_Window;

namespace Platform {

class SdlBackend : public Backend {
 public:
  SdlBackend();
  ~SdlBackend() override;
  SdlBackend(const SdlBackend&) = delete;
  SdlBackend& operator=(const SdlBackend&) = delete;

  uint64_t Ticks() override;

  bool CreateGameWindow(const std::string& title, int clientWidth, int clientHeight) override;
  void ShowGameWindow() override;
  void DestroyGameWindow() override;
  bool HasWindow() const override { return window_ != nullptr; }
  void SetFullscreen(bool on, int width, int height) override;
  void ApplyGameDisplayMode(int width, int height) override;
  void RestoreDesktopDisplayMode() override;
  bool IsWindowActive() override;
  int ShowCursor(bool show) override;
  void PumpEvents(WindowEventSink& sink) override;
  void GetMonitorSize(int& width, int& height) override;
  void ShowDialog(const std::string& title, const std::string& text) override;

  bool CreateGLContext() override;
  void* GetGLProcAddress(const char* name) override;
  bool SetSwapInterval(int interval) override;
  bool SwapWaitsForDisplay() const override { return swapWaits_; }
  int RefreshRate() override;
  void WaitUntil(uint64_t ticks) override;
  void SwapBuffers() override;
  void DestroyGLContext() override;
  bool HasGLContext() const override { return glContext_ != nullptr; }

  bool IsKeyDown(int virtualKey) override { return input_.IsKeyDown(virtualKey); }
  PadState GetPadState(int slot) override { return input_.GetPadState(slot); }
  bool TakeKeyPress(int virtualKey) override { return input_.TakeKeyPress(virtualKey); }
  uint16_t TakePadPresses(int slot, uint16_t buttons) override { return input_.TakePadPresses(slot, buttons); }

  // For tests: the window's client size and whether it is shown fullscreen
  // (exclusive or as a borderless window at the configured size).
  void GetClientSize(int& width, int& height) const;
  void GetPosition(int& x, int& y) const;
  bool IsFullscreen() const { return fullscreen_; }
  bool IsCursorShown() const;

 private:
  void SetGLAttributes();
  bool SwitchToExclusiveMode(int width, int height);
  void PlaceBorderlessAtOrigin(int width, int height);

  bool videoReady_ = false;
  SDL_Window* window_ = nullptr;
  void* glContext_ = nullptr;
  SdlInput input_;
  int cursorCount_ = 0;
  bool fullscreen_ = false;
  bool swapWaits_ = false;
  int savedX_ = 0, savedY_ = 0, savedWidth_ = 0, savedHeight_ = 0;
  int gameWidth_ = 0, gameHeight_ = 0;
};

}  // namespace Platform
