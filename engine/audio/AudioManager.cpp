#include "engine/audio/AudioManager.h"

namespace Framework {

AudioManager& GetAudioManager() {
  static AudioManager instance;
  return instance;
}

}  // namespace Framework
