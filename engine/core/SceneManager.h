#pragma once
#include "engine/core/System.h"

namespace Framework {

// Minimal system: its own issue fills it in.
class SceneManager : public System {
 public:
  std::string GetName() override { return "SceneManager"; }
  void Update(float) override {}
  // The frame loop calls the current scene's Draw through this.
  void DrawCurrentScene() {}
};

SceneManager& GetSceneManager();

}  // namespace Framework
