#include "engine/core/WindowsSystem.h"

#include <chrono>
#include <filesystem>
#include <iostream>

#include "engine/core/Engine.h"
#include "engine/core/InputManager.h"
#include "engine/core/TextSerializer.h"
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
  TextSerializer out;
  if (!out.OpenWrite(path, false)) return;
  out.WriteString(config.title);
  out.WriteInt(config.width);
  out.WriteInt(config.height);
}

// A failed read gives 0, so "missing", "not a number", non-positive and
// absurd all keep the default, and say so.
void ReadSize(TextSerializer& in, int& size, const std::string& path, const char* what) {
  int value = 0;
  in.ReadInt(value);
  if (value > 0 && value <= WindowConfig::kMaxSize) {
    size = value;
    return;
  }
  std::cerr << "Error: " << path << " has no valid " << what << "; using " << size << std::endl;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
// X11 converts the title to its own encoding and leaks on anything else.
bool IsUtf8(const std::string& text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    int length = 0;
    unsigned low = 0x80, high = 0xBF;  // bounds of the second byte
    if (lead < 0x80) length = 1;
    else if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    else return false;
    if (at + length > text.size()) return false;
    for (int i = 1; i < length; ++i) {
      const auto byte = static_cast<unsigned char>(text[at + i]);
      if (byte < (i == 1 ? low : 0x80u) || byte > (i == 1 ? high : 0xBFu)) return false;
    }
    at += static_cast<std::size_t>(length);
  }
  return true;
}

// The configured client height, for mouse moves pumped outside a frame.
int g_clientHeight = WindowConfig::kDefaultHeight;

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
    GetInputManager().OnMouseMove(clientX, clientY, clientHeight_);
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
  TextSerializer in;
  if (!in.Open(path, false)) {
    std::cerr << "Error: " << path << " could not be read; using " << config.title << " " << config.width
              << " " << config.height << std::endl;
    return config;
  }
  std::string title;
  in.ReadString(title);
  if (title.empty())
    std::cerr << "Error: " << path << " has no title; using " << config.title << std::endl;
  else if (!IsUtf8(title))
    std::cerr << "Error: " << path << " has a title that is not UTF-8; using " << config.title << std::endl;
  else
    config.title = title;
  ReadSize(in, config.width, path, "width");
  ReadSize(in, config.height, path, "height");
  return config;
}

WindowsSystem::WindowsSystem(const std::string& configPath) {
  const WindowConfig config = WindowConfig::Load(configPath);
  title = config.title;
  width = config.width;
  height = config.height;
  g_clientHeight = height;
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

void PumpWindowEventsWhileBusy() {
  using Clock = std::chrono::steady_clock;
  constexpr auto kInterval = std::chrono::milliseconds(50);
  static Clock::time_point lastPump;
  const Clock::time_point now = Clock::now();
  if (lastPump != Clock::time_point() && now - lastPump < kInterval) return;
  lastPump = now;
  WindowEvents events(g_clientHeight);
  Platform::Current().PumpEvents(events);
}

}  // namespace Framework
