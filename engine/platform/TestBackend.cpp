#include "engine/platform/TestBackend.h"

namespace Platform {

void TestBackend::SetKeyDown(int virtualKey, bool down) {
  if (down && keys_.insert(virtualKey).second) presses_.KeyWentDown(virtualKey);
  if (!down) keys_.erase(virtualKey);
}

void TestBackend::SetPad(int slot, PadState state) {
  if (slot < 0 || slot >= kPadSlots) return;
  // Plugging a pad in with a button held is no press of that button.
  const PadState before = pads_[slot];
  if (before.connected && state.connected)
    presses_.PadButtonsWentDown(slot, static_cast<uint16_t>(state.buttons & ~before.buttons));
  if (!state.connected) presses_.ForgetPad(slot);
  pads_[slot] = state;
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
