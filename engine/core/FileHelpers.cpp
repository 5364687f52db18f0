#include "engine/core/FileHelpers.h"

#include <iostream>

#include "engine/platform/Platform.h"

namespace Framework {

namespace {
std::string& SceneFolder() {
  static std::string folder = ".";
  return folder;
}
}  // namespace

std::string GetSceneFolder() { return SceneFolder(); }

void SetSceneFolder(const std::string& folder) { SceneFolder() = folder; }

std::string MakeFolder(const std::string& name) {
  const std::string folder = "Resources/" + name;
  if (!Platform::MakeFolder(folder)) std::cerr << "Error: could not create folder " << folder << "\n";
  return folder + "/";
}

}  // namespace Framework
