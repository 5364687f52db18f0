#include "engine/platform/Platform.h"

#include <ctime>
#include <filesystem>
#include <iostream>
#include <vector>

#include "engine/platform/SdlBackend.h"
#include "engine/platform/TestBackend.h"

#ifndef CORVIDALE_SOURCE_ROOT
#define CORVIDALE_SOURCE_ROOT ""
#endif

namespace fs = std::filesystem;

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

bool HoldsResources(const fs::path& folder) {
  std::error_code ec;
  return !folder.empty() && fs::is_directory(folder / "Resources", ec);
}

fs::path ExecutableFolder(const char* argv0) {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec && argv0 != nullptr) exe = fs::absolute(argv0, ec);
  return ec ? fs::path() : exe.parent_path();
}

std::vector<fs::path> ResourceFolderCandidates(const char* argv0) {
  std::vector<fs::path> candidates;
  std::error_code ec;
  candidates.push_back(fs::current_path(ec));
  for (fs::path folder = ExecutableFolder(argv0); !folder.empty(); folder = folder.parent_path()) {
    candidates.push_back(folder);
    if (folder == folder.root_path()) break;
  }
  candidates.push_back(CORVIDALE_SOURCE_ROOT);
  return candidates;
}

}  // namespace

Backend& Current() {
  // Without an installed backend (engine tests) nothing touches the machine.
  if (!Slot()) Slot() = std::make_unique<TestBackend>();
  return *Slot();
}

std::unique_ptr<Backend> CreateSdlBackend() { return std::make_unique<SdlBackend>(); }

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

bool MakeFolder(const std::string& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
  return fs::is_directory(path, ec);
}

void Backend::ShowDialog(const std::string&, const std::string&) {}

void ShowMessageBox(const std::string& title, const std::string& text) {
  std::cerr << title << ": " << text << std::endl;
  Current().ShowDialog(title, text);
}

bool EnterResourceFolder(const char* argv0) {
  for (const fs::path& folder : ResourceFolderCandidates(argv0)) {
    if (!HoldsResources(folder)) continue;
    std::error_code ec;
    fs::current_path(folder, ec);
    if (!ec) return true;
  }
  return false;
}

}  // namespace Platform
