// The end of a match: the outro that shows who won, then the winner's panel.
#include <algorithm>
#include <cmath>
#include <iostream>

#include "engine/core/EventSystem.h"
#include "engine/core/GameObject.h"
#include "engine/core/InputManager.h"
#include "engine/core/SceneManager.h"
#include "engine/core/Transform.h"
#include "engine/graphics/Camera.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "engine/physics/AABB.h"
#include "engine/physics/Moveable.h"
#include "game/characters/Detective.h"
#include "game/characters/Killer.h"
#include "game/scenes/DinnerScene.h"

using Framework::GameObject;

namespace {

// The players stand above the black screen while the room fades away.
constexpr int kOutroLayer = 8;
constexpr float kPanelDropHeight = 500.0f;
// A room without a floor object: the window's 1280 x 720 around the origin.
constexpr float kRoomHalfWidth = 640.0f;
constexpr float kRoomHalfHeight = 360.0f;

Math::Vec3& PositionOf(GameObject& object) { return object.GetTransform().position; }

void DisableBox(GameObject* object) {
  if (!object) return;
  if (auto* box = object->GetComponent<Framework::AABB>()) box->SetEnabled(false);
}

template <class Player>
Player* PlayerOf(GameObject* object) {
  return object ? object->GetComponent<Player>() : nullptr;
}

void RaiseAboveBlackScreen(GameObject* object) {
  if (auto* sprite = object->GetComponent<Framework::Sprite>()) sprite->SetLayer(kOutroLayer);
}

void Queue(std::unique_ptr<Framework::Event> event) { Framework::GetEventSystem().AddEvent(std::move(event)); }

// Where a view of viewSize may look along one axis without showing past a
// room that spans roomCentre +- roomHalf; a view as big as the room stays
// on its centre. An unknown view size counts as the room's.
float WithinRoom(float at, float roomCentre, float roomHalf, int viewSize) {
  const float viewHalf = viewSize > 0 ? static_cast<float>(viewSize) / 2.0f : roomHalf;
  const float slack = std::max(0.0f, roomHalf - viewHalf);
  return std::clamp(at, roomCentre - slack, roomCentre + slack);
}

}  // namespace

void DinnerScene::StartTween(float start, float end, float duration) {
  fade = Utility::LerpStartEnd<float>(start, end, Utility::Linear, duration == 0.0f ? 1.0f : duration);
  fade.elapsed = 0.0f;
  fade.done = false;
  fadeActive = true;
}

void DinnerScene::StartOutro(bool killerWins) {
  outroActive = true;
  if (Detective* sleuth = PlayerOf<Detective>(detective)) {
    sleuth->EndMatch();
    RaiseAboveBlackScreen(detective);
  }
  if (Killer* murderer = PlayerOf<Killer>(killer)) {
    murderer->inputEnabled = false;
    RaiseAboveBlackScreen(killer);
  }
  StartTween(0.0f, 1.0f, outroDuration);
  if (blackScreen) blackScreen->SetEnabled(true);
  if (killerWins) {
    StartKillerOutro();
  } else {
    StartDetectiveOutro();
  }
}

Math::Vec3 DinnerScene::OutroVelocity(const GameObject& from, const GameObject& to) const {
  const Math::Vec3 difference = to.GetTransform().position - from.GetTransform().position;
  const Moveable* legs = detective ? detective->GetComponent<Moveable>() : nullptr;
  const float speed = legs ? legs->mSpeed : 0.0f;
  if (std::fabs(difference.x) > std::fabs(difference.y)) {
    return Math::Vec3(difference.x < 0.0f ? -speed : speed, 0.0f, 0.0f);
  }
  return Math::Vec3(0.0f, difference.y < 0.0f ? -speed : speed, 0.0f);
}

// The Detective lost: unless it is lying fainted already, the Killer's trap
// goes off under it; then the Killer walks away from it.
void DinnerScene::StartKillerOutro() {
  outroStep = [this](float dt) { KillerOutroStep(dt); };
  Detective* sleuth = PlayerOf<Detective>(detective);
  if (sleuth && sleuth->faintTime > 0.0f) {
    Queue(Framework::MakeEvent([this] { waitingForCue = false; }));
  } else {
    Queue(Framework::MakeTimedEvent(outroDuration + 1.0f, 0.0f, [this] { waitingForCue = false; }));
    Queue(Framework::MakeEvent([this] { DetectiveDeathCue(); }));
  }
  if (detective && killer) {
    DisableBox(detective);
    DisableBox(killer);
    outroVelocity = OutroVelocity(*detective, *killer);
  }
  Queue(Framework::MakeTimedEvent(2.0f, 0.0f, [this] { FinishOutro(); }));
}

// The Killer was caught: the camera closes in and the Detective leads it away.
void DinnerScene::StartDetectiveOutro() {
  outroStep = [this](float dt) { DetectiveOutroStep(dt); };
  if (detective) {
    // The eye keeps its height: looking from the target's own depth has no
    // direction and would fill the view with NaN.
    const Framework::Camera& camera = Framework::GetCamera();
    const Math::Vec3 to = CameraGoal(PositionOf(*detective), camera.position.z);
    cameraTween = Utility::LerpStartEnd<Math::Vec3>(camera.position, to, Utility::Linear, outroDuration);
    cameraTween.done = false;
    DisableBox(detective);
    if (killer) {
      outroVelocity = OutroVelocity(*killer, *detective);
      DisableBox(killer);
    }
  }
  Queue(Framework::MakeTimedEvent(4.0f, 0.0f, [this] { PrepareWinPanels(); }));
  Queue(Framework::MakeTimedEvent(2.0f, 0.0f, [this] { FinishOutro(); }));
}

// The camera heads for the arrest but stops where the view would leave the
// room (the floor): past its walls there is only the void.
Math::Vec3 DinnerScene::CameraGoal(const Math::Vec3& arrest, float eyeHeight) const {
  Math::Vec2 centre(0.0f, 0.0f), half(kRoomHalfWidth, kRoomHalfHeight);
  if (GameObject* floor = Find("Floor")) {
    if (auto* look = floor->GetComponent<Framework::Sprite>()) {
      centre = look->WorldPosition();
      half = Math::Vec2(std::fabs(look->size.x) / 2.0f, std::fabs(look->size.y) / 2.0f);
    }
  }
  // The eye's height is the view's zoom: a zoomed-out view shows more.
  const Framework::GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  const float zoom = eyeHeight > 0.0f ? eyeHeight : 1.0f;
  return Math::Vec3(WithinRoom(arrest.x, centre.x, half.x, static_cast<int>(graphics.viewportWidth / zoom)),
                    WithinRoom(arrest.y, centre.y, half.y, static_cast<int>(graphics.viewportHeight / zoom)),
                    eyeHeight);
}

// The Detective falls where it stands, in the Killer's explosion.
void DinnerScene::DetectiveDeathCue() {
  Detective* sleuth = PlayerOf<Detective>(detective);
  if (!sleuth) return;
  sleuth->inputEnabled = false;
  sleuth->PlayAnimation(Math::Vec3(0, 0, 0), "Death", false, true);
  GameObject* blast = Find("explosion_efx");
  if (!blast) return;
  PositionOf(*blast) = PositionOf(*detective);
  blast->SetEnabled(true);
  if (auto* sprite = blast->GetComponent<Framework::Sprite>()) {
    sprite->loop = false;
    sprite->frame = 0;
    sprite->timer = 0.0f;
    sprite->PlayAnimation("Explode");
  }
}

void DinnerScene::PrepareWinPanels() {
  waitingForCue = false;
  const Framework::Camera& camera = Framework::GetCamera();
  const Math::Vec3 above(camera.position.x, camera.position.y + kPanelDropHeight, 0.0f);
  for (const char* panelName : {"DWinPanel", "KWinPanel"}) {
    if (GameObject* panel = Find(panelName)) PositionOf(*panel) = above;
  }
  panelDrop = Utility::LerpStartEnd<Math::Vec3>(above, Math::Vec3(camera.position.x, camera.position.y, 0.0f),
                                                Utility::BounceOut, 2.0f);
}

void DinnerScene::FinishOutro() {
  outroFinished = true;
  std::cout << "finish outro" << std::endl;
}

bool DinnerScene::OutroKeyPressed() const { return Framework::GetInputManager().IsKeyTriggered(Framework::kKeyRowEsc); }

void DinnerScene::DetectiveOutroStep(float dt) {
  if (!cameraTween.IsDone()) {
    cameraTween.Update(dt);
    Framework::Camera& camera = Framework::GetCamera();
    // The finishing frame would carry the camera past its goal, and so past the walls.
    camera.position = cameraTween.IsDone() ? cameraTween.end : cameraTween.GetValue();
    camera.target = Math::Vec3(camera.position.x, camera.position.y, 0.0f);
  }
  if (fadeActive || waitingForCue) return;
  if (OutroKeyPressed()) outroFinished = true;
  // The Detective leads the handcuffed Killer away.
  if (Detective* sleuth = PlayerOf<Detective>(detective)) {
    sleuth->PlayAnimation(outroVelocity, "Walk", true, true);
    PositionOf(*detective) = PositionOf(*detective) + outroVelocity * dt;
  }
  if (Killer* murderer = PlayerOf<Killer>(killer)) {
    murderer->PlayAnimation(outroVelocity, "Death", false, true);
    PositionOf(*killer) = PositionOf(*killer) + outroVelocity * dt;
  }
}

void DinnerScene::KillerOutroStep(float dt) {
  if (fadeActive || waitingForCue) return;
  if (OutroKeyPressed()) outroFinished = true;
  if (GameObject* blast = Find("explosion_efx")) {
    auto* sprite = blast->GetComponent<Framework::Sprite>();
    if (sprite && sprite->enabled && sprite->IsAnimationFinished()) blast->SetEnabled(false);
  }
  if (Killer* murderer = PlayerOf<Killer>(killer)) {
    murderer->PlayAnimation(-outroVelocity, "Walk", true, true);
    PositionOf(*killer) = PositionOf(*killer) + outroVelocity * dt;
  }
}
