#include "engine/graphics/Debug.h"

namespace Framework {

Debug& GetDebug() {
  static Debug instance;
  return instance;
}

}  // namespace Framework
