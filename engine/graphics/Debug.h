#pragma once
#include "engine/core/System.h"

namespace Framework {

// Minimal system: its own issue fills it in.
class Debug : public System {
 public:
  std::string GetName() override { return "Debug"; }
  void Update(float) override {}
  // Draws the shapes and queued lines while the debug flag is set.
  void Draw() {}
};

Debug& GetDebug();

}  // namespace Framework
