#include "engine/physics/Physics.h"

namespace Framework {

Physics& GetPhysics() {
  static Physics instance;
  return instance;
}

}  // namespace Framework
