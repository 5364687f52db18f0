#pragma once
#include "engine/core/System.h"

namespace Framework {

// Minimal system: its own issue fills it in.
class UISystem : public System {
 public:
  std::string GetName() override { return "UI"; }
  void Update(float) override {}
};

UISystem& GetUISystem();

}  // namespace Framework
