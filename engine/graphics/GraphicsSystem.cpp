#include "engine/graphics/GraphicsSystem.h"

namespace Framework {

GraphicsSystem& GetGraphicsSystem() {
  static GraphicsSystem instance;
  return instance;
}

}  // namespace Framework
