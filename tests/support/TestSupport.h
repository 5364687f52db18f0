#pragma once
// Helpers shared by the test suites.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/System.h"
#include "engine/platform/TestBackend.h"

namespace TestSupport {

// A fresh folder under the system temp folder, removed when it goes out of scope.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  // Writes text to a file below the folder, creating parent folders.
  std::filesystem::path Write(const std::string& relative, const std::string& contents) const;

 private:
  std::filesystem::path path_;
};

// Changes the working folder for the lifetime of the object.
class ScopedWorkingFolder {
 public:
  explicit ScopedWorkingFolder(const std::filesystem::path& folder);
  ~ScopedWorkingFolder();

 private:
  std::filesystem::path previous_;
};

std::string ReadFile(const std::filesystem::path& path);

}  // namespace TestSupport

namespace TestSupport {

// Installs a fresh test backend for the lifetime of the object and puts the
// previous one back afterwards.
class ScopedTestBackend {
 public:
  ScopedTestBackend();
  ~ScopedTestBackend();
  ScopedTestBackend(const ScopedTestBackend&) = delete;
  ScopedTestBackend& operator=(const ScopedTestBackend&) = delete;
  Platform::TestBackend& operator*() const { return *backend_; }
  Platform::TestBackend* operator->() const { return backend_; }

 private:
  Platform::TestBackend* backend_;
  std::unique_ptr<Platform::Backend> previous_;
};

// A system that records the ids of the messages broadcast to it.
class MessageRecorder : public Framework::System {
 public:
  std::string GetName() override { return "Recorder"; }
  void Update(float) override {}
  void SendMessage(Framework::Message* message) override { ids.push_back(message->id); }
  std::vector<int> ids;
};

}  // namespace TestSupport
