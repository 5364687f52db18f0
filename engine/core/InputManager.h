#pragma once
#include "engine/core/System.h"

namespace Framework {

// Minimal system: its own issue fills it in.
class InputManager : public System {
 public:
  std::string GetName() override { return "InputManager"; }
  void Update(float) override {}
};

InputManager& GetInputManager();

}  // namespace Framework
