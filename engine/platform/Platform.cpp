#include "engine/platform/Platform.h"

#include <chrono>
#include <ctime>
#include <iostream>

#include "engine/platform/TestBackend.h"

namespace Platform {

namespace {
std::unique_ptr<Backend>& Slot() {
  static std::unique_ptr<Backend> backend;
  return backend;
}
unsigned& RandomState() {
  static unsigned state = 1;
  return state;
}
}  // namespace

Backend& Current() {
  if (!Slot()) Slot() = std::make_unique<TestBackend>();
  return *Slot();
}

std::unique_ptr<Backend> SetBackend(std::unique_ptr<Backend> backend) {
  std::swap(Slot(), backend);
  return backend;
}

void Shutdown() { Slot().reset(); }

uint64_t Ticks() { return Current().Ticks(); }

int64_t CalendarSeconds() { return static_cast<int64_t>(std::time(nullptr)); }

void SeedRandom(unsigned seed) { RandomState() = seed; }

int Random() {
  // The classic 15-bit linear congruential generator.
  RandomState() = RandomState() * 1103515245u + 12345u;
  return static_cast<int>((RandomState() / 65536u) % 32768u);
}

bool MakeFolder(const std::string&) { return false; }

void ShowMessageBox(const std::string& title, const std::string& text) {
  std::cerr << title << ": " << text << std::endl;
}

bool EnterResourceFolder(const char*) { return false; }

}  // namespace Platform
