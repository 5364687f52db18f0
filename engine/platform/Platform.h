#pragma once
// The one narrow interface between the engine and the operating system.
// Nothing outside engine/platform/ includes an SDL header: everything the
// engine needs from the machine (window, GL context, keys, pads, clock,
// random numbers, folders) goes through here.
#include <cstdint>
#include <memory>
#include <string>

namespace Platform {

// ---- Clock -------------------------------------------------------------
constexpr uint64_t kTicksPerSecond = 10000000;  // ticks of 100 ns
uint64_t Ticks();             // monotonic, 100 ns ticks
int64_t CalendarSeconds();    // wall-clock seconds, for seeding

// ---- Random ------------------------------------------------------------
// The game's formulas assume a 15-bit generator; every random draw in the
// program goes through this one.
constexpr int kRandomMax = 32767;
void SeedRandom(unsigned seed);
int Random();  // 0..kRandomMax

// ---- Files and messages --------------------------------------------------
bool MakeFolder(const std::string& path);  // an existing folder is success
// Always printed to stderr; a real dialog only from the game's backend when
// running interactively, so a test or headless run never waits on one.
void ShowMessageBox(const std::string& title, const std::string& text);
// Changes the working folder to the one that holds Resources/: the working
// folder itself when it holds one (so a copy can be run in place), else the
// executable's folder or one of its parents, else the source tree the build
// came from. False, with the working folder unchanged, when none holds it.
bool EnterResourceFolder(const char* argv0);

// ---- Game pads -----------------------------------------------------------
// XInput-shaped pad state: a 16-bit button word with these masks.
enum PadButton : uint16_t {
  PAD_DPAD_UP = 0x0001,
  PAD_DPAD_DOWN = 0x0002,
  PAD_DPAD_LEFT = 0x0004,
  PAD_DPAD_RIGHT = 0x0008,
  PAD_START = 0x0010,
  PAD_BACK = 0x0020,
  PAD_LEFT_THUMB = 0x0040,
  PAD_RIGHT_THUMB = 0x0080,
  PAD_LEFT_SHOULDER = 0x0100,
  PAD_RIGHT_SHOULDER = 0x0200,
  PAD_A = 0x1000,
  PAD_B = 0x2000,
  PAD_X = 0x4000,
  PAD_Y = 0x8000,
};
struct PadState {
  bool connected = false;
  uint16_t buttons = 0;
};
constexpr int kPadSlots = 2;

// What the event pump hands back to the window system.
class WindowEventSink {
 public:
  virtual ~WindowEventSink() = default;
  virtual void OnQuitRequested() = 0;               // close button, WM's Alt+F4, SDL_QUIT
  virtual void OnMouseMove(int clientX, int clientY) = 0;  // y counts from the top
};

// Everything that needs a real machine. The SDL backend is the game's; the
// test backend lets engine tests set keys, pads, focus and the clock.
class Backend {
 public:
  virtual ~Backend() = default;

  virtual uint64_t Ticks() = 0;

  // Window. Created hidden, with the OpenGL 3.3 core attributes already set.
  virtual bool CreateGameWindow(const std::string& title, int clientWidth, int clientHeight) = 0;
  virtual void ShowGameWindow() = 0;
  virtual void DestroyGameWindow() = 0;
  virtual bool HasWindow() const = 0;
  // Fullscreen at the configured size with a display-mode change; leaving it
  // restores the saved position and size with a caption and no sizing border.
  virtual void SetFullscreen(bool on, int width, int height) = 0;
  virtual void ApplyGameDisplayMode(int width, int height) = 0;
  virtual void RestoreDesktopDisplayMode() = 0;
  virtual bool IsWindowActive() = 0;
  // Windows display-counter semantics: returns the new count; the cursor is
  // visible while the count is >= 0.
  virtual int ShowCursor(bool show) = 0;
  virtual void PumpEvents(WindowEventSink& sink) = 0;
  virtual void GetMonitorSize(int& width, int& height) = 0;
  // A message box the player has to dismiss. Only the game's own backend,
  // with a person at it, shows one; every other backend shows nothing.
  virtual void ShowDialog(const std::string& title, const std::string& text);

  // OpenGL.
  virtual bool CreateGLContext() = 0;
  virtual void* GetGLProcAddress(const char* name) = 0;
  // True when the driver took the interval. An interval of 1 that it took
  // makes every swap wait for the display's refresh.
  virtual bool SetSwapInterval(int interval) = 0;
  virtual bool SwapWaitsForDisplay() const = 0;
  // The refresh rate of the window's display in Hz; 0 when it does not say.
  virtual int RefreshRate() = 0;
  // Returns once the tick clock has reached ticks (at once when it has).
  virtual void WaitUntil(uint64_t ticks) = 0;
  virtual void SwapBuffers() = 0;
  virtual void DestroyGLContext() = 0;
  virtual bool HasGLContext() const = 0;

  // Input: "down now" by Windows virtual-key code (0x01, 0x02, 0x04 are the
  // left, right and middle mouse buttons; left/right Shift, Ctrl, Alt distinct).
  virtual bool IsKeyDown(int virtualKey) = 0;
  virtual PadState GetPadState(int slot) = 0;  // slot 0 or 1
  // Presses the event pump has seen, each kept until it is taken: true once
  // for a key or mouse button that went down since it was last taken, even
  // when it is up again by now. Key repeats are no presses.
  virtual bool TakeKeyPress(int virtualKey) = 0;
  // The same for pad buttons: the bits of `buttons` that went down in the slot.
  virtual uint16_t TakePadPresses(int slot, uint16_t buttons) = 0;
};

// The installed backend; a TestBackend until one is installed, so engine
// code run without main (tests, tools) never touches the machine.
Backend& Current();
// The game's backend: SDL2 with an OpenGL 3.3 core context.
std::unique_ptr<Backend> CreateSdlBackend();
// Installs a backend (tests install a TestBackend); returns the old one.
std::unique_ptr<Backend> SetBackend(std::unique_ptr<Backend> backend);
// Releases the backend's window, context and SDL itself at the end of main.
void Shutdown();

}  // namespace Platform
