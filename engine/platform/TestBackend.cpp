#include "engine/platform/TestBackend.h"

namespace Platform {

void TestBackend::SetKeyDown(int virtualKey, bool down) {
  if (down)
    keys_.insert(virtualKey);
  else
    keys_.erase(virtualKey);
}

void TestBackend::SetPad(int slot, PadState state) {
  if (slot >= 0 && slot < kPadSlots) pads_[slot] = state;
}

void TestBackend::QueueMouseMove(int x, int y) {
  mouseQueued_ = true;
  mouseX_ = x;
  mouseY_ = y;
}

bool TestBackend::CreateGameWindow(const std::string& windowTitle, int w, int h) {
  title = windowTitle;
  width = w;
  height = h;
  hasWindow_ = true;
  return true;
}

void TestBackend::PumpEvents(WindowEventSink& sink) {
  if (mouseQueued_) sink.OnMouseMove(mouseX_, mouseY_);
  mouseQueued_ = false;
  if (quitQueued_) sink.OnQuitRequested();
  quitQueued_ = false;
}

PadState TestBackend::GetPadState(int slot) {
  if (slot < 0 || slot >= kPadSlots) return {};
  return pads_[slot];
}

}  // namespace Platform
