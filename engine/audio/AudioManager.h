#pragma once
#include "engine/core/System.h"

namespace Framework {

// Minimal system: its own issue fills it in.
class AudioManager : public System {
 public:
  std::string GetName() override { return "AudioManager"; }
  void Update(float) override {}
};

AudioManager& GetAudioManager();

}  // namespace Framework
