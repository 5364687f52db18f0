#include "engine/platform/SdlBackend.h"

#include <SDL.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

#include "engine/platform/LeakCheck.h"

namespace Platform {

namespace {

// Display modes whose size matches exactly; the game never accepts a
// "closest" mode, because the window must keep its configured size.
bool FindExactDisplayMode(int displayIndex, int width, int height, SDL_DisplayMode& found) {
  const int count = SDL_GetNumDisplayModes(displayIndex);
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode mode;
    if (SDL_GetDisplayMode(displayIndex, i, &mode) != 0) continue;
    if (mode.w == width && mode.h == height) {
      found = mode;  // modes are listed best first (depth, then refresh)
      return true;
    }
  }
  return false;
}

// A dialog must never block a headless or CI run: only a person at a
// terminal on a display gets one.
bool IsInteractive() {
  return isatty(STDIN_FILENO) != 0 && std::getenv("DISPLAY") != nullptr && std::getenv("CI") == nullptr;
}

// With no X or Wayland display SDL quietly picks a driver with no window
// at all; the game would then run unseen and never end. Those drivers are
// fine only when asked for by name, as tests do.
bool HasRealDisplay() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr) return false;
  const std::string name = driver;
  if (name != "offscreen" && name != "dummy") return true;
  const char* requested = SDL_GetHint(SDL_HINT_VIDEODRIVER);  // the hint or the environment
  return requested != nullptr && name == requested;
}

}  // namespace

SdlBackend::SdlBackend() {
  // The window system restores the desktop mode itself when the game loses
  // the focus; SDL must not also minimise the window.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::cerr << "Error: SDL could not start its video system: " << SDL_GetError() << std::endl;
    return;
  }
  if (!HasRealDisplay()) {
    std::cerr << "Error: no display to open the game window on (SDL fell back to its \""
              << SDL_GetCurrentVideoDriver() << "\" video driver)" << std::endl;
    SDL_Quit();
    return;
  }
  videoReady_ = true;
  // Without pad support the keyboard still plays.
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
    std::cerr << "Error: game pads are unavailable: " << SDL_GetError() << std::endl;
  input_.Open();
}

SdlBackend::~SdlBackend() {
  DestroyGLContext();
  DestroyGameWindow();
  input_.Close();
  KeepLoadedLibrariesResident();
  SDL_Quit();
}

uint64_t SdlBackend::Ticks() {
  using Tick = std::chrono::duration<uint64_t, std::ratio<1, kTicksPerSecond>>;
  return std::chrono::duration_cast<Tick>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void SdlBackend::SetGLAttributes() {
  // These must be in place before the window exists: the window's visual is
  // chosen from them.
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
}

bool SdlBackend::CreateGameWindow(const std::string& title, int clientWidth, int clientHeight) {
  if (!videoReady_ || window_ != nullptr) return false;
  SetGLAttributes();
  // A sizing border as created; leaving fullscreen later takes it away.
  const Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE;
  window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, clientWidth,
                             clientHeight, flags);
  if (window_ == nullptr) {
    std::cerr << "Error: the game window could not be created: " << SDL_GetError() << std::endl;
    return false;
  }
  return true;
}

void SdlBackend::ShowGameWindow() {
  if (window_ == nullptr) return;
  SDL_ShowWindow(window_);
  // A newly shown game window takes the focus, as on a desktop that
  // activates it; without a window manager nobody else would give it.
  SDL_RaiseWindow(window_);
  SDL_SetWindowInputFocus(window_);
}

void SdlBackend::DestroyGameWindow() {
  if (window_ == nullptr) return;
  DestroyGLContext();
  // The last GL window takes SDL's GL library down with it (with the
  // offscreen driver: EGL and the Mesa driver it opened).
  KeepLoadedLibrariesResident();
  SDL_DestroyWindow(window_);
  window_ = nullptr;
  fullscreen_ = false;
}

void SdlBackend::SetFullscreen(bool on, int width, int height) {
  if (window_ == nullptr || on == fullscreen_) return;
  if (on) {
    SDL_GetWindowPosition(window_, &savedX_, &savedY_);
    SDL_GetWindowSize(window_, &savedWidth_, &savedHeight_);
    fullscreen_ = true;
    gameWidth_ = width;
    gameHeight_ = height;
    PlaceBorderlessAtOrigin(width, height);
    ApplyGameDisplayMode(width, height);
    return;
  }
  RestoreDesktopDisplayMode();
  fullscreen_ = false;
  // Back to a captioned window without a sizing border.
  SDL_SetWindowBordered(window_, SDL_TRUE);
  SDL_SetWindowResizable(window_, SDL_FALSE);
  SDL_SetWindowSize(window_, savedWidth_, savedHeight_);
  SDL_SetWindowPosition(window_, savedX_, savedY_);
}

void SdlBackend::PlaceBorderlessAtOrigin(int width, int height) {
  SDL_SetWindowResizable(window_, SDL_FALSE);
  SDL_SetWindowBordered(window_, SDL_FALSE);
  SDL_SetWindowSize(window_, width, height);
  SDL_SetWindowPosition(window_, 0, 0);
}

bool SdlBackend::SwitchToExclusiveMode(int width, int height) {
  const int display = SDL_GetWindowDisplayIndex(window_);
  SDL_DisplayMode mode;
  if (display < 0 || !FindExactDisplayMode(display, width, height, mode)) return false;
  if (SDL_SetWindowDisplayMode(window_, &mode) != 0) return false;
  return SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN) == 0;
}

void SdlBackend::ApplyGameDisplayMode(int width, int height) {
  if (window_ == nullptr || !fullscreen_) return;
  gameWidth_ = width;
  gameHeight_ = height;
  // A display without a mode of the configured size keeps its own mode; the
  // borderless window at the origin is then the whole of fullscreen.
  SwitchToExclusiveMode(width, height);
}

void SdlBackend::RestoreDesktopDisplayMode() {
  if (window_ == nullptr) return;
  if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) == 0) return;
  SDL_SetWindowFullscreen(window_, 0);
  // Leaving the exclusive mode must not move the window: it stays where
  // fullscreen put it.
  if (fullscreen_) PlaceBorderlessAtOrigin(gameWidth_, gameHeight_);
}

bool SdlBackend::IsWindowActive() {
  return window_ != nullptr && (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

int SdlBackend::ShowCursor(bool show) {
  // One counter as on Windows: the cursor shows while it is >= 0.
  cursorCount_ += show ? 1 : -1;
  if (videoReady_) SDL_ShowCursor(cursorCount_ >= 0 ? SDL_ENABLE : SDL_DISABLE);
  return cursorCount_;
}

void SdlBackend::PumpEvents(WindowEventSink& sink) {
  if (!videoReady_) return;
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) {
    input_.HandleEvent(event);
    switch (event.type) {
      case SDL_QUIT:  // the close button, the window manager's Alt+F4, a signal
        sink.OnQuitRequested();
        break;
      case SDL_MOUSEMOTION:
        sink.OnMouseMove(event.motion.x, event.motion.y);
        break;
      default:
        break;
    }
  }
}

void SdlBackend::GetMonitorSize(int& width, int& height) {
  width = height = 0;
  if (!videoReady_) return;
  const int display = window_ != nullptr ? SDL_GetWindowDisplayIndex(window_) : 0;
  SDL_Rect bounds;
  if (SDL_GetDisplayBounds(display < 0 ? 0 : display, &bounds) != 0) return;
  width = bounds.w;
  height = bounds.h;
}

void SdlBackend::ShowDialog(const std::string& title, const std::string& text) {
  if (videoReady_ && IsInteractive())
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, title.c_str(), text.c_str(), window_);
}

bool SdlBackend::CreateGLContext() {
  if (window_ == nullptr) return false;
  if (glContext_ != nullptr) return true;
  glContext_ = SDL_GL_CreateContext(window_);
  if (glContext_ == nullptr) {
    std::cerr << "Error: no OpenGL 3.3 core context: " << SDL_GetError() << std::endl;
    return false;
  }
  SDL_GL_MakeCurrent(window_, glContext_);
  return true;
}

void* SdlBackend::GetGLProcAddress(const char* name) {
  return glContext_ != nullptr ? SDL_GL_GetProcAddress(name) : nullptr;
}

bool SdlBackend::SetSwapInterval(int interval) {
  // A driver that cannot sync refuses and keeps its own setting.
  const bool taken = glContext_ != nullptr && SDL_GL_SetSwapInterval(interval) == 0;
  if (taken) swapWaits_ = interval == 1;
  return taken;
}

int SdlBackend::RefreshRate() {
  SDL_DisplayMode mode;
  if (window_ == nullptr || SDL_GetWindowDisplayMode(window_, &mode) != 0) return 0;
  return mode.refresh_rate;
}

void SdlBackend::WaitUntil(uint64_t ticks) {
  const uint64_t now = Ticks();
  if (ticks <= now) return;
  std::this_thread::sleep_for(std::chrono::nanoseconds((ticks - now) * (1000000000 / kTicksPerSecond)));
}

void SdlBackend::SwapBuffers() {
  if (glContext_ != nullptr) SDL_GL_SwapWindow(window_);
}

void SdlBackend::DestroyGLContext() {
  swapWaits_ = false;
  if (glContext_ == nullptr) return;
  SDL_GL_MakeCurrent(window_, nullptr);
  SDL_GL_DeleteContext(glContext_);
  glContext_ = nullptr;
}

void SdlBackend::GetClientSize(int& width, int& height) const {
  width = height = 0;
  if (window_ != nullptr) SDL_GetWindowSize(window_, &width, &height);
}

bool SdlBackend::IsCursorShown() const { return videoReady_ && SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE; }

void SdlBackend::GetPosition(int& x, int& y) const {
  x = y = 0;
  if (window_ != nullptr) SDL_GetWindowPosition(window_, &x, &y);
}

}  // namespace Platform
