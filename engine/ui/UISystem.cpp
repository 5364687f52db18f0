#include "engine/ui/UISystem.h"

namespace Framework {

UISystem& GetUISystem() {
  static UISystem instance;
  return instance;
}

}  // namespace Framework
