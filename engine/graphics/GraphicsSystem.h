#pragma once
#include "engine/core/System.h"

namespace Framework {

// Minimal system: its own issue fills it in.
class GraphicsSystem : public System {
 public:
  std::string GetName() override { return "Graphics"; }
  void Update(float) override {}
  // Copied from the window system at registration.
  int windowWidth = 0;
  int windowHeight = 0;
  // The draw pass of a frame (four passes once graphics is built).
  void RenderFrame() {}
};

GraphicsSystem& GetGraphicsSystem();

}  // namespace Framework
