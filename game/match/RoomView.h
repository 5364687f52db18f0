#pragma once
// How a match or the tutorial frames its room. People may stand anywhere
// on the walkable cells, and the grid's walls are thin, so a person by a
// wall would reach past the window's edge: the camera zooms out just
// enough that every person shows whole, under the HUD bar along the top.
// The floor art reaches past the grid to fill what the wider view shows.
#include "engine/core/Vector.h"
#include "engine/graphics/EfxManager.h"

class MapperFF;

namespace Framework {
struct Camera;
class VScene;
}  // namespace Framework

// An axis-aligned rectangle of the world.
struct WorldRect {
  float left = 0.0f;
  float bottom = 0.0f;
  float right = 0.0f;
  float top = 0.0f;

  bool Contains(const WorldRect& inner) const {
    return inner.left >= left && inner.right <= right && inner.bottom >= bottom && inner.top <= top;
  }
};

struct RoomView {
  Math::Vec2 centre{0.0f, 0.0f};
  // Screen pixels per world unit: 1 shows the world at its own size.
  float zoom = 1.0f;

  // The part of the world a viewport of that size shows.
  WorldRect Visible(float viewportWidth, float viewportHeight) const;
  // The camera's eye carries the zoom in its height.
  void Apply(Framework::Camera& camera) const;
};

// Where a person's centre may stand: the span of the grid's walkable
// cells. False when no cell is walkable.
bool WalkableArea(const MapperFF& grid, WorldRect& area);

// The view of the viewport that shows all of `mustShow`, centred on it and
// zoomed out no further than needed; never zoomed in. An empty or
// non-finite rectangle keeps the plain view.
RoomView FrameRoom(const WorldRect& mustShow, float viewportWidth, float viewportHeight);

// A room's framing: its walkable floor grown by the largest person's
// sprite ("player" and "enemy" objects). Zoomed out, the view pivots on
// the lower edge of the "HudBar", so the bar keeps its place on the
// screen, and it stays on the "Floor" sprite's art. The plain view when no
// grid has loaded.
RoomView FrameRoomOf(const Framework::VScene& scene, const MapperFF& grid, float viewportWidth,
                     float viewportHeight);

// Where effects may show in that view: all of it under the "HudBar".
Framework::EfxBounds EffectBoundsOf(const Framework::VScene& scene, const RoomView& view, float viewportWidth,
                                    float viewportHeight);

// Frames the scene's room with the loaded grid in the graphics system's
// viewport: moves the camera and keeps the effects inside the view.
void FrameTheRoom(const Framework::VScene& scene);
