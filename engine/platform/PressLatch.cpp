#include "engine/platform/PressLatch.h"

namespace Platform {

namespace {

bool IsSlot(int slot) { return slot >= 0 && slot < kPadSlots; }

}  // namespace

void PressLatch::KeyWentDown(int virtualKey) {
  if (virtualKey > 0 && virtualKey < kVirtualKeys) keys_.set(static_cast<std::size_t>(virtualKey));
}

void PressLatch::PadButtonsWentDown(int slot, uint16_t buttons) {
  if (IsSlot(slot)) pads_[slot] = static_cast<uint16_t>(pads_[slot] | buttons);
}

void PressLatch::ForgetPad(int slot) {
  if (IsSlot(slot)) pads_[slot] = 0;
}

bool PressLatch::TakeKey(int virtualKey) {
  if (virtualKey <= 0 || virtualKey >= kVirtualKeys) return false;
  const auto bit = static_cast<std::size_t>(virtualKey);
  const bool pressed = keys_.test(bit);
  keys_.reset(bit);
  return pressed;
}

uint16_t PressLatch::TakePadButtons(int slot, uint16_t buttons) {
  if (!IsSlot(slot)) return 0;
  const auto taken = static_cast<uint16_t>(pads_[slot] & buttons);
  pads_[slot] = static_cast<uint16_t>(pads_[slot] & ~buttons);
  return taken;
}

}  // namespace Platform
