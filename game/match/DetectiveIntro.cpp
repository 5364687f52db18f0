#include "game/match/DetectiveIntro.h"

#include "engine/audio/AudioManager.h"
#include "engine/core/Engine.h"
#include "engine/core/SceneManager.h"
#include "engine/core/Transform.h"
#include "engine/core/XMLSerializer.h"
#include "engine/ui/SysVars.h"
#include "game/FieldCheck.h"
#include "game/characters/Detective.h"

namespace {

const char* const kEntryTime = "entryTime";
// What "entryTime" reads once no intro is alive.
float noEntryTime = 0.0f;

// Ten minutes of countdown or walk is already a level nobody can play.
constexpr FieldRange<float> kTimeRange{0.0f, 600.0f};
// Far past any room, yet still a place a person can be drawn at.
constexpr FieldRange<float> kPlaceRange{-100000.0f, 100000.0f};
constexpr FieldRange<int> kEasingRange{Utility::Linear, Utility::BounceOut};

// A position is kept only when all three coordinates are.
void ReadPlace(Framework::XMLSerializer& serializer, Math::Vec3& out, const char* field) {
  Math::Vec3 read = out;
  if (!Framework::ReadElement(serializer.GetCursor(), read, field)) return;
  const float was[] = {out.x, out.y, out.z};
  const float now[] = {read.x, read.y, read.z};
  for (int axis = 0; axis < 3; ++axis) {
    if (!AcceptField(now[axis], kPlaceRange, was[axis], serializer.GetFileName(), field)) return;
  }
  out = read;
}

Math::Vec3& PositionOf(Framework::GameObject& object) { return object.GetTransform().position; }

}  // namespace

DetectiveIntro::DetectiveIntro(Framework::GameObject* owner) : Scriptable(owner, Framework::ComponentId::DetectiveIntro) {
  PublishEntryTime();
}

DetectiveIntro::~DetectiveIntro() {
  const Framework::SysVarEntry* entry = Framework::SysVars().Find(kEntryTime);
  if (entry && entry->address == &entryTime) Framework::SysVars().RegisterDirect(kEntryTime, &noEntryTime);
}

void DetectiveIntro::PublishEntryTime() { Framework::SysVars().RegisterDirect(kEntryTime, &entryTime); }

void DetectiveIntro::Serialize(Framework::XMLSerializer& serializer) {
  TiXmlElement* parent = serializer.GetCursor();
  if (!parent) return;
  Framework::AppendField(parent, "entryTime", "float", entryTime);
  Framework::AppendField(parent, "walkTime", "float", walkTime);
  Framework::AppendField(parent, "endPosition", "Vec3", endPosition);
  Framework::AppendField(parent, "detectiveTransition", "int", detectiveTransition);
  Framework::AppendField(parent, "sirenEntryTime", "float", sirenEntryTime);
  Framework::AppendField(parent, "sirenWalkTime", "float", sirenWalkTime);
  Framework::AppendField(parent, "sirenStayTime", "float", sirenStayTime);
  Framework::AppendField(parent, "sirenExitTime", "float", sirenExitTime);
  Framework::AppendField(parent, "sirenEnterPosition", "Vec3", sirenEnterPosition);
  Framework::AppendField(parent, "sirenExitPosition", "Vec3", sirenExitPosition);
  Framework::AppendField(parent, "sirenEnterTransition", "int", sirenEnterTransition);
  Framework::AppendField(parent, "sirenExitTransition", "int", sirenExitTransition);
}

void DetectiveIntro::Deserialize(Framework::XMLSerializer& serializer) {
  ReadCheckedField(serializer, entryTime, "entryTime", kTimeRange);
  ReadCheckedField(serializer, walkTime, "walkTime", kTimeRange);
  ReadPlace(serializer, endPosition, "endPosition");
  ReadCheckedField(serializer, sirenEntryTime, "sirenEntryTime", kTimeRange);
  ReadCheckedField(serializer, sirenWalkTime, "sirenWalkTime", kTimeRange);
  ReadCheckedField(serializer, sirenStayTime, "sirenStayTime", kTimeRange);
  ReadCheckedField(serializer, sirenExitTime, "sirenExitTime", kTimeRange);
  ReadPlace(serializer, sirenEnterPosition, "sirenEnterPosition");
  ReadPlace(serializer, sirenExitPosition, "sirenExitPosition");
  // A transition the archetype leaves out, or names no easing for, is a straight line.
  detectiveTransition = sirenEnterTransition = sirenExitTransition = Utility::Linear;
  ReadCheckedField(serializer, detectiveTransition, "detectiveTransition", kEasingRange);
  ReadCheckedField(serializer, sirenEnterTransition, "sirenEnterTransition", kEasingRange);
  ReadCheckedField(serializer, sirenExitTransition, "sirenExitTransition", kEasingRange);
}

Framework::GameComponent* DetectiveIntro::Clone(Framework::GameObject* newOwner) {
  auto* copy = new DetectiveIntro(newOwner);
  copy->entryTime = entryTime;
  copy->walkTime = walkTime;
  copy->endPosition = endPosition;
  copy->detectiveTransition = detectiveTransition;
  copy->sirenEntryTime = sirenEntryTime;
  copy->sirenWalkTime = sirenWalkTime;
  copy->sirenStayTime = sirenStayTime;
  copy->sirenExitTime = sirenExitTime;
  copy->sirenEnterPosition = sirenEnterPosition;
  copy->sirenExitPosition = sirenExitPosition;
  copy->sirenEnterTransition = sirenEnterTransition;
  copy->sirenExitTransition = sirenExitTransition;
  return copy;
}

void DetectiveIntro::Reset() {
  detectiveTimer = entryTime;
  sirenTimer = sirenEntryTime;
  started = false;
  walking = false;
}

void DetectiveIntro::Start() {
  Reset();
  SetEnabled(true);
  // The scene may have started another intro since this one was built.
  PublishEntryTime();
  const Math::Vec3 from = owner->GetTransform().position;
  walkDirection = endPosition - from;
  walkTween = Utility::LerpStartEnd<Math::Vec3>(from, endPosition, detectiveTransition, walkTime);

  detective = nullptr;
  Framework::SceneManager& scenes = Framework::GetSceneManager();
  for (Framework::GameObject* player : scenes.FindObjectsByTag("player")) {
    if (player->GetComponent<Detective>()) {
      detective = player;
      break;
    }
  }
  if (!detective) {
    SetEnabled(false);
    return;
  }
  SetDetectiveControls(false);
  PositionOf(*detective) = from;

  siren = scenes.FindObject("Siren");
  if (siren) {
    sirenTween = Utility::LerpStartEnd<Math::Vec3>(PositionOf(*siren), sirenEnterPosition, sirenEnterTransition,
                                                   sirenWalkTime);
  }
  countdown = Utility::LerpStartEnd<float>(entryTime, 0.0f, Utility::Linear, entryTime == 0.0f ? 1.0f : entryTime);
  countdown.done = entryTime == 0.0f;
}

void DetectiveIntro::Stop() { detective = nullptr; }

Detective* DetectiveIntro::DetectiveComponent() const {
  return detective ? detective->GetComponent<Detective>() : nullptr;
}

bool DetectiveIntro::MatchOver() const {
  const Detective* walker = DetectiveComponent();
  return walker && walker->MatchOver();
}

void DetectiveIntro::SetDetectiveControls(bool on) {
  Detective* controls = DetectiveComponent();
  if (!controls) return;
  if (on) {
    controls->EnableInput();
  } else {
    controls->inputEnabled = false;
  }
  controls->actionsEnabled = on;
  controls->arrestEnabled = on;
  controls->punchEnabled = on;
}

void DetectiveIntro::Update() {
  if (!started) return;
  const float dt = Framework::GetEngine().dt;
  AdvanceCountdown(dt);
  detectiveTimer -= dt;
  sirenTimer -= dt;
  // A match that ended while the Detective walked in keeps it where it stands.
  if (walking && !finished && !MatchOver()) {
    walkTween.Update(dt);
    if (detective) PositionOf(*detective) = walkTween.GetValue();
  }
  if (detectiveTimer <= 0.0f && !finished) {
    if (!walking) {
      StartWalk();
    } else {
      Finish();
    }
  }
  if (sirenTimer <= 0.0f) StepSiren();
  if (siren && (sirenMoving || sirenLeaving)) MoveSiren(dt);
}

void DetectiveIntro::AdvanceCountdown(float dt) {
  if (!countdown.IsDone()) countdown.Update(dt);
  entryTime = countdown.IsDone() ? 0.0f : countdown.GetValue();
}

void DetectiveIntro::StartWalk() {
  walking = true;
  detectiveTimer = walkTime;
  if (Detective* walker = DetectiveComponent()) walker->PlayAnimation(walkDirection, "Walk", true, true);
  sirenMoving = true;
  sirenTimer = sirenWalkTime;
}

void DetectiveIntro::Finish() {
  SetDetectiveControls(true);
  if (arrivalCallback) arrivalCallback(true);
  finished = true;
}

// Drive in, sound and stop; sound again and wait; drive out.
void DetectiveIntro::StepSiren() {
  if (!sirenLeaving) Framework::GetAudioManager().PlaySound("Siren");
  if (!sirenMoving) {
    sirenMoving = true;
    sirenTimer = sirenWalkTime;
  } else if (!sirenStaying) {
    sirenMoving = false;
    sirenStaying = true;
    sirenTimer = sirenStayTime;
  } else {
    sirenStaying = false;
    sirenLeaving = true;
    sirenTimer = sirenExitTime;
    if (siren) {
      sirenTween = Utility::LerpStartEnd<Math::Vec3>(PositionOf(*siren), sirenExitPosition, sirenExitTransition,
                                                     sirenExitTime);
      sirenTween.done = false;
    }
  }
}

void DetectiveIntro::MoveSiren(float dt) {
  sirenTween.Update(dt);
  PositionOf(*siren) = sirenTween.GetValue();
}
