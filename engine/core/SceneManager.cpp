#include "engine/core/SceneManager.h"

namespace Framework {

SceneManager& GetSceneManager() {
  static SceneManager instance;
  return instance;
}

}  // namespace Framework
