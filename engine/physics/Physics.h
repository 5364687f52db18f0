#pragma once
#include "engine/core/System.h"

namespace Framework {

// Minimal system: its own issue fills it in.
class Physics : public System {
 public:
  std::string GetName() override { return "Physics"; }
  void Update(float) override {}
};

Physics& GetPhysics();

}  // namespace Framework
