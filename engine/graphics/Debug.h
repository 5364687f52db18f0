#pragma once
#include "engine/core/System.h"

namespace Framework {

// Minimal system: its own issue fills it in.
class Debug : public System {
 public:
  std::string GetName() override { return "Debug"; }
  void Update(float) override {}
};

Debug& GetDebug();

}  // namespace Framework
