#include "support/TestSupport.h"

#include <fstream>
#include <random>
#include <sstream>

namespace TestSupport {

TempFolder::TempFolder() {
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() / ("corvidale_test_" + std::to_string(rd()));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::filesystem::path TempFolder::Write(const std::string& relative, const std::string& contents) const {
  std::filesystem::path file = path_ / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << contents;
  return file;
}

ScopedWorkingFolder::ScopedWorkingFolder(const std::filesystem::path& folder)
    : previous_(std::filesystem::current_path()) {
  std::filesystem::current_path(folder);
}

ScopedWorkingFolder::~ScopedWorkingFolder() { std::filesystem::current_path(previous_); }

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

}  // namespace TestSupport

namespace TestSupport {

ScopedTestBackend::ScopedTestBackend() {
  auto backend = std::make_unique<Platform::TestBackend>();
  backend_ = backend.get();
  previous_ = Platform::SetBackend(std::move(backend));
}

ScopedTestBackend::~ScopedTestBackend() { Platform::SetBackend(std::move(previous_)); }

}  // namespace TestSupport
