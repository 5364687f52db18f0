#include "game/characters/MeterDisplay.h"

#include <algorithm>
#include <cmath>

#include "engine/core/GameObject.h"
#include "engine/core/VScene.h"
#include "engine/graphics/EfxManager.h"
#include "engine/graphics/Sprite.h"
#include "game/characters/ReloadMeter.h"

using Framework::GameObject;

namespace {

constexpr float kHalfBar = ReloadMeter::kBarWidth * 0.5f;

void SetPosition(GameObject* object, const Math::Vec3& position) {
  if (object) object->GetTransform().position = position;
}

// Half the part's drawn size, from its sprite; nothing without one.
Math::Vec2 HalfSize(const GameObject* part) {
  const auto* look = part ? part->GetComponent<Framework::Sprite>() : nullptr;
  if (!look) return Math::Vec2(0.0f, 0.0f);
  const Math::Vec3& scale = part->GetTransform().scale;
  return Math::Vec2(std::fabs(look->size.x * scale.x) / 2.0f, std::fabs(look->size.y * scale.y) / 2.0f);
}

// `at` moved just into [low + reach, high - reach]; a span too narrow for
// it keeps the low edge in.
float Within(float at, float reach, float low, float high) {
  return std::max(std::min(at, high - reach), low + reach);
}

}  // namespace

void MeterDisplay::Find(Framework::VScene* scene) {
  *this = MeterDisplay();
  if (!scene) return;
  frame = scene->FindObject("ReloadFrame");
  fillRed = scene->FindObject("ReloadFill_Red");
  fillYellow = scene->FindObject("ReloadFill_Yellow");
  fillGreen = scene->FindObject("ReloadFill_Green");
  arrow = scene->FindObject("ReloadArrow");
}

void MeterDisplay::ScaleZones(float goodSize, float perfectSize) {
  if (fillYellow) fillYellow->GetTransform().scale.x = goodSize / kZoneArtWidth;
  if (fillGreen) fillGreen->GetTransform().scale.x = perfectSize / kZoneArtWidth;
}

Math::Vec2 MeterDisplay::Reach() const {
  Math::Vec2 reach(0.0f, 0.0f);
  for (const GameObject* part : {frame, fillRed, fillYellow, fillGreen}) {
    const Math::Vec2 half = HalfSize(part);
    reach = Math::Vec2(std::max(reach.x, half.x), std::max(reach.y, half.y));
  }
  const Math::Vec2 pointer = HalfSize(arrow);
  return Math::Vec2(std::max(reach.x, kHalfBar + pointer.x), std::max(reach.y, pointer.y));
}

Math::Vec3 MeterDisplay::FitInto(Math::Vec3 middle, const Framework::EfxBounds& view) const {
  const Math::Vec2 reach = Reach();
  middle.x = Within(middle.x, reach.x, view.left, view.right);
  middle.y = Within(middle.y, reach.y, view.bottom, view.top);
  return middle;
}

void MeterDisplay::Place(const Math::Vec3& middle, float centre) {
  barMiddleX = middle.x;
  const Math::Vec3 leftEnd = middle - Math::Vec3(kHalfBar, 0.0f, 0.0f);
  const Math::Vec3 zone = leftEnd + Math::Vec3(centre, 0.0f, 0.0f);
  SetPosition(frame, middle);
  SetPosition(fillRed, middle);
  SetPosition(fillYellow, zone);
  SetPosition(fillGreen, zone);
  SetPosition(arrow, leftEnd);
}

void MeterDisplay::MoveAway(float distance) {
  for (GameObject* part : {frame, fillRed, fillYellow, fillGreen, arrow}) {
    if (part) part->GetTransform().position.x += distance;
  }
}

void MeterDisplay::SetArrow(float value) {
  if (arrow) arrow->GetTransform().position.x = value + barMiddleX - kHalfBar;
}

bool MeterDisplay::IsFound() const { return frame || fillRed || fillYellow || fillGreen || arrow; }
