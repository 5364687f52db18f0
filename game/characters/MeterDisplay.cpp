#include "game/characters/MeterDisplay.h"

#include "engine/core/GameObject.h"
#include "engine/core/VScene.h"
#include "game/characters/ReloadMeter.h"

using Framework::GameObject;

namespace {

constexpr float kHalfBar = ReloadMeter::kBarWidth * 0.5f;

void SetPosition(GameObject* object, const Math::Vec3& position) {
  if (object) object->GetTransform().position = position;
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

void MeterDisplay::Place(const Math::Vec3& middle, float centre) {
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

void MeterDisplay::SetArrow(float barMiddleX, float value) {
  if (arrow) arrow->GetTransform().position.x = value + barMiddleX - kHalfBar;
}

bool MeterDisplay::IsFound() const { return frame || fillRed || fillYellow || fillGreen || arrow; }
