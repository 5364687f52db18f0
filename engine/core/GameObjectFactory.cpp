#include "engine/core/GameObjectFactory.h"

namespace Framework {

GameObjectFactory& GetFactory() {
  static GameObjectFactory instance;
  return instance;
}

}  // namespace Framework
