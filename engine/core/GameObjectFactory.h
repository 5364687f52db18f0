#pragma once
#include "engine/core/System.h"

namespace Framework {

// Minimal system: its own issue fills it in.
class GameObjectFactory : public System {
 public:
  std::string GetName() override { return "Factory"; }
  void Update(float) override {}
};

GameObjectFactory& GetFactory();

}  // namespace Framework
