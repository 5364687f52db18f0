#pragma once
#include "engine/core/System.h"

namespace Framework {

// Minimal system: its own issue fills it in.
class EventSystem : public System {
 public:
  std::string GetName() override { return "EventSystem"; }
  void Update(float) override {}
};

EventSystem& GetEventSystem();

}  // namespace Framework
