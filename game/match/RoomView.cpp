#include "game/match/RoomView.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/core/GameObject.h"
#include "engine/core/VScene.h"
#include "engine/graphics/Camera.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "engine/physics/MapperFF.h"
#include "engine/ui/UIImage.h"

using Framework::GameObject;

namespace {

bool IsFinite(const WorldRect& rect) {
  return std::isfinite(rect.left) && std::isfinite(rect.right) && std::isfinite(rect.bottom) &&
         std::isfinite(rect.top);
}

// The HUD bar's image as a world rectangle; false without one.
bool HudBarRect(const Framework::VScene& scene, WorldRect& rect) {
  GameObject* bar = scene.FindObject("HudBar");
  const auto* image = bar ? bar->GetComponent<Framework::UIImage>() : nullptr;
  if (!image) return false;
  const Math::Vec3& at = bar->GetTransform().position;
  const float halfWidth = std::fabs(image->size.x) / 2.0f, halfHeight = std::fabs(image->size.y) / 2.0f;
  rect = {at.x + image->position.x - halfWidth, at.y + image->position.y - halfHeight,
          at.x + image->position.x + halfWidth, at.y + image->position.y + halfHeight};
  return IsFinite(rect);
}

// The floor's art as a world rectangle; false without a "Floor" sprite.
bool FloorRect(const Framework::VScene& scene, WorldRect& rect) {
  GameObject* floor = scene.FindObject("Floor");
  const auto* art = floor ? floor->GetComponent<Framework::Sprite>() : nullptr;
  if (!art) return false;
  const Math::Vec2 at = art->WorldPosition();
  const float halfWidth = std::fabs(art->size.x) / 2.0f, halfHeight = std::fabs(art->size.y) / 2.0f;
  rect = {at.x - halfWidth, at.y - halfHeight, at.x + halfWidth, at.y + halfHeight};
  return IsFinite(rect);
}

// How far the span [low, high] must move to lie within [from, to]; a span
// wider than that keeps its centre.
float ShiftInto(float low, float high, float from, float to) {
  if (high - low > to - from) return (from + to) / 2.0f - (low + high) / 2.0f;
  if (low < from) return from - low;
  if (high > to) return to - high;
  return 0.0f;
}

// The bar keeps its place on the screen, and so does everything it
// frames: the view zooms about the bar's lower edge, just far enough that
// the room fits below it. `fallback` when the bar leaves no room.
RoomView ZoomUnderBar(const WorldRect& mustShow, float barBottom, float viewportWidth, float viewportHeight,
                      const RoomView& fallback) {
  const float worldBelow = barBottom - mustShow.bottom, screenBelow = barBottom + viewportHeight / 2.0f;
  if (!(worldBelow > 0.0f) || !(screenBelow > 0.0f)) return fallback;
  RoomView view;
  view.zoom = std::min({1.0f, viewportWidth / (mustShow.right - mustShow.left), screenBelow / worldBelow});
  view.centre = Math::Vec2((mustShow.left + mustShow.right) / 2.0f, barBottom - barBottom / view.zoom);
  return view;
}

// How far a person's sprite reaches from its centre, over everyone who
// may walk the floor.
WorldRect PersonReach(const Framework::VScene& scene) {
  WorldRect reach;
  for (const char* tag : {"player", "enemy"}) {
    for (GameObject* person : scene.FindObjectsByTag(tag)) {
      const auto* sprite = person->GetComponent<Framework::Sprite>();
      if (!sprite) continue;
      const float halfWidth = std::fabs(sprite->size.x) / 2.0f, halfHeight = std::fabs(sprite->size.y) / 2.0f;
      const WorldRect own{sprite->position.x - halfWidth, sprite->position.y - halfHeight,
                          sprite->position.x + halfWidth, sprite->position.y + halfHeight};
      if (!IsFinite(own)) continue;
      reach = {std::min(reach.left, own.left), std::min(reach.bottom, own.bottom), std::max(reach.right, own.right),
               std::max(reach.top, own.top)};
    }
  }
  return reach;
}

}  // namespace

WorldRect RoomView::Visible(float viewportWidth, float viewportHeight) const {
  const float halfWidth = viewportWidth / 2.0f / zoom, halfHeight = viewportHeight / 2.0f / zoom;
  return {centre.x - halfWidth, centre.y - halfHeight, centre.x + halfWidth, centre.y + halfHeight};
}

void RoomView::Apply(Framework::Camera& camera) const {
  camera.position = Math::Vec3(centre.x, centre.y, zoom);
  camera.target = Math::Vec3(centre.x, centre.y, 0.0f);
}

bool WalkableArea(const MapperFF& grid, WorldRect& area) {
  bool found = false;
  for (int row = 0; row < grid.Rows(); ++row) {
    for (int column = 0; column < grid.Columns(); ++column) {
      if (grid.Cell(column, row) != 0) continue;
      const float left = column * grid.CellWidth() - grid.WorldWidth() / 2.0f;
      const float top = grid.WorldHeight() / 2.0f - row * grid.CellHeight();
      const WorldRect cell{left, top - grid.CellHeight(), left + grid.CellWidth(), top};
      area = found ? WorldRect{std::min(area.left, cell.left), std::min(area.bottom, cell.bottom),
                               std::max(area.right, cell.right), std::max(area.top, cell.top)}
                   : cell;
      found = true;
    }
  }
  return found && grid.IsInitialized();
}

RoomView FrameRoom(const WorldRect& mustShow, float viewportWidth, float viewportHeight) {
  RoomView view;
  const float width = mustShow.right - mustShow.left, height = mustShow.top - mustShow.bottom;
  if (!IsFinite(mustShow) || !(width > 0.0f) || !(height > 0.0f) || !(viewportWidth > 0.0f) ||
      !(viewportHeight > 0.0f)) {
    return view;
  }
  // A room that fits keeps the plain view, so rooms as big as the window
  // look as they always have.
  if (view.Visible(viewportWidth, viewportHeight).Contains(mustShow)) return view;
  view.zoom = std::min({1.0f, viewportWidth / width, viewportHeight / height});
  view.centre = Math::Vec2((mustShow.left + mustShow.right) / 2.0f, (mustShow.bottom + mustShow.top) / 2.0f);
  return view;
}

RoomView FrameRoomOf(const Framework::VScene& scene, const MapperFF& grid, float viewportWidth,
                     float viewportHeight) {
  WorldRect mustShow;
  if (!WalkableArea(grid, mustShow)) return RoomView();
  const WorldRect reach = PersonReach(scene);
  mustShow = {mustShow.left + reach.left, mustShow.bottom + reach.bottom, mustShow.right + reach.right,
              mustShow.top + reach.top};
  RoomView view = FrameRoom(mustShow, viewportWidth, viewportHeight);
  if (view.zoom >= 1.0f) return view;
  WorldRect bar;
  if (HudBarRect(scene, bar)) view = ZoomUnderBar(mustShow, bar.bottom, viewportWidth, viewportHeight, view);
  // The view stays on the floor's art: past it there is only the void.
  WorldRect art;
  if (FloorRect(scene, art)) {
    const WorldRect shown = view.Visible(viewportWidth, viewportHeight);
    view.centre.x += ShiftInto(shown.left, shown.right, art.left, art.right);
    view.centre.y += ShiftInto(shown.bottom, shown.top, art.bottom, art.top);
  }
  return view;
}

void FrameTheRoom(const Framework::VScene& scene) {
  const Framework::GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  const float width = static_cast<float>(graphics.viewportWidth);
  const float height = static_cast<float>(graphics.viewportHeight);
  const RoomView view = FrameRoomOf(scene, GetMapperFF(), width, height);
  view.Apply(Framework::GetCamera());
  Framework::EfxManager::Instance().bounds = EffectBoundsOf(scene, view, width, height);
}

Framework::EfxBounds EffectBoundsOf(const Framework::VScene& scene, const RoomView& view, float viewportWidth,
                                   float viewportHeight) {
  Framework::EfxBounds bounds;
  // Before the window has a size there is no view to keep effects in.
  if (viewportWidth > 0.0f && viewportHeight > 0.0f) {
    const WorldRect shown = view.Visible(viewportWidth, viewportHeight);
    bounds = {shown.left, shown.bottom, shown.right, shown.top};
  }
  WorldRect bar;
  if (HudBarRect(scene, bar)) bounds.top = std::min(bounds.top, bar.bottom);
  return bounds;
}
