#pragma once
// The view: one world unit is one pixel, the origin is the window centre,
// y points up. Moving the camera moves position and target together.
#include "engine/core/Vector.h"

namespace Framework {

struct Camera {
  void Reset() {
    position = Math::Vec3(0, 0, 1);
    target = Math::Vec3(0, 0, 0);
    up = Math::Vec3(0, 1, 0);
  }

  Math::Vec3 position{0, 0, 1};
  Math::Vec3 target{0, 0, 0};
  Math::Vec3 up{0, 1, 0};
};

// The graphics system's camera, for game and UI code.
Camera& GetCamera();

}  // namespace Framework
