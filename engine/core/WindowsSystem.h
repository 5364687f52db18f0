#pragma once
#include "engine/core/System.h"

namespace Framework {

// Minimal system: its own issue fills it in.
class WindowsSystem : public System {
 public:
  std::string GetName() override { return "Window"; }
  void Update(float) override {}
};

WindowsSystem& GetWindowsSystem();

}  // namespace Framework
