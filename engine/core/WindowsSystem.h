#pragma once
#include <string>

#include "engine/core/System.h"

namespace Framework {

// The window's title and client size as "Resources/Config.cfg" gives them.
struct WindowConfig {
  static constexpr const char* kDefaultTitle = "CORVIDALE";
  static constexpr int kDefaultWidth = 1280;
  static constexpr int kDefaultHeight = 720;
  // Beyond any display (8K is 7680 x 4320); larger windows only cost the
  // off-screen buffers gigabytes.
  static constexpr int kMaxSize = 8192;

  std::string title = kDefaultTitle;
  int width = kDefaultWidth;
  int height = kDefaultHeight;

  // Reads title, width and height. A missing file is created with the
  // defaults; an unreadable or broken one is left alone, and whatever could
  // not be read sensibly (a title that is not UTF-8 included) takes its default.
  static WindowConfig Load(const std::string& path);
};

// Owns the single game window: reads the configuration and creates the
// hidden window on construction, follows the focus with the display mode,
// pumps the window events and switches fullscreen on request.
class WindowsSystem : public System {
 public:
  static constexpr const char* kConfigPath = "Resources/Config.cfg";

  explicit WindowsSystem(const std::string& configPath = kConfigPath);
  std::string GetName() override { return "Window"; }
  void Update(float dt) override;
  void SendMessage(Message*) override {}

  void Show();
  // Does nothing when the engine's fullscreen flag already equals on.
  void SetFullscreen(bool on);

  std::string title;
  int width = 0;
  int height = 0;

 private:
  void FollowFocus();

  bool focusKnown_ = false;
  bool wasActive_ = false;
};

WindowsSystem& GetWindowsSystem();

// Pumps the window events in the middle of long work (a scene load), at
// most every few hundredths of a second, so the close button, Alt+F4 and
// SIGTERM are heard before the work ends.
void PumpWindowEventsWhileBusy();

}  // namespace Framework
