#pragma once
#include "engine/core/System.h"

namespace Framework {

// Minimal system: its own issue fills it in.
class GraphicsSystem : public System {
 public:
  std::string GetName() override { return "Graphics"; }
  void Update(float) override {}
};

GraphicsSystem& GetGraphicsSystem();

}  // namespace Framework
