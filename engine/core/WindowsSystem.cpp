#include "engine/core/WindowsSystem.h"

#include <filesystem>
#include <fstream>
#include <iostream>

#include "engine/core/Engine.h"
#include "engine/core/InputManager.h"
#include "engine/platform/Platform.h"

namespace Framework {

namespace {

// Anything at the path that we cannot rule out counts as present, so a file
// the user wrote is never replaced by the defaults.
bool MayExist(const std::string& path) {
  std::error_code ec;
  const bool exists = std::filesystem::exists(path, ec);
  return exists || ec;
}

void WriteDefaults(const std::string& path, const WindowConfig& config) {
  std::ofstream out(path);
  out << config.title << "\n" << config.width << "\n" << config.height << "\n";
}

// Reads one size item; a failed, non-positive or absurd value leaves the
// default in place and says so.
bool ReadSize(std::istream& in, int& size, const std::string& path, const char* what) {
  int value = 0;
  if ((in >> value) && value > 0 && value <= WindowConfig::kMaxSize) {
    size = value;
    return true;
  }
  std::cerr << "Error: " << path << " has no valid " << what << "; using " << size << std::endl;
  return false;
}

// Reports mouse moves to the input manager and the quit request to every
// system.
class WindowEvents : public Platform::WindowEventSink {
 public:
  explicit WindowEvents(int clientHeight) : clientHeight_(clientHeight) {}

  void OnQuitRequested() override {
    Message quit(MSG_QUIT);
    GetEngine().BroadcastMessage(&quit);
    RunningFlag() = false;
  }

  void OnMouseMove(int clientX, int clientY) override {
    InputManager& input = GetInputManager();
    input.mouseX = static_cast<int16_t>(clientX);
    // y counts up from the bottom edge of the client area.
    input.mouseY = static_cast<int16_t>(static_cast<int16_t>(clientHeight_) - static_cast<int16_t>(clientY));
    input.mouseInUse = true;
  }

 private:
  int clientHeight_;
};

}  // namespace

WindowConfig WindowConfig::Load(const std::string& path) {
  WindowConfig config;
  if (!MayExist(path)) {
    WriteDefaults(path, config);
    return config;
  }
  std::ifstream in(path);
  if (!in.is_open()) {
    std::cerr << "Error: " << path << " could not be read; using " << config.title << " " << config.width
              << " " << config.height << std::endl;
    return config;
  }
  std::string title;
  if (!(in >> title)) {
    std::cerr << "Error: " << path << " has no title; using " << config.title << std::endl;
    return config;
  }
  config.title = title;
  // A failed read ends the file: what follows it takes its default too.
  if (ReadSize(in, config.width, path, "width")) ReadSize(in, config.height, path, "height");
  return config;
}

WindowsSystem::WindowsSystem(const std::string& configPath) {
  const WindowConfig config = WindowConfig::Load(configPath);
  title = config.title;
  width = config.width;
  height = config.height;
  Platform::Current().CreateGameWindow(title, width, height);
}

void WindowsSystem::Update(float) {
  BeginTiming();
  FollowFocus();
  WindowEvents events(height);
  Platform::Current().PumpEvents(events);
  EndTiming();
}

void WindowsSystem::FollowFocus() {
  Platform::Backend& platform = Platform::Current();
  const bool active = platform.IsWindowActive();
  if (!focusKnown_) {
    focusKnown_ = true;
    wasActive_ = active;
  }
  if (active == wasActive_) return;
  wasActive_ = active;
  if (active && GetEngine().fullscreen)
    platform.ApplyGameDisplayMode(width, height);
  else
    platform.RestoreDesktopDisplayMode();
}

void WindowsSystem::Show() { Platform::Current().ShowGameWindow(); }

void WindowsSystem::SetFullscreen(bool on) {
  Engine& engine = GetEngine();
  if (engine.fullscreen == on) return;
  engine.fullscreen = on;
  // The backend saves the windowed position and size on the way in and
  // restores them, with a caption and no sizing border, on the way out.
  Platform::Current().SetFullscreen(on, width, height);
}

WindowsSystem& GetWindowsSystem() {
  static WindowsSystem instance;
  return instance;
}

}  // namespace Framework
